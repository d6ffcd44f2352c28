#include "FieldInputRule.h"

#include "core/Cp1251.h"

#include <QLineEdit>
#include <QList>

#include <algorithm>

FieldInputRule::FieldInputRule(QLineEdit& edit, CharacterTest takes, int maxLength)
    : QObject(&edit), edit_(edit), takes_(std::move(takes)), maxLength_(maxLength),
      current_(edit.text()) {
    // A user's edit brings textEdited and then textChanged; a command's text brings only
    // textChanged. So a command's text is never checked, and when textEdited comes, current_
    // still holds the text before the edit. The edit's own text is read from the field, since a
    // textChanged that follows a taken-back edit still carries the refused text.
    connect(&edit, &QLineEdit::textChanged, this, [this] { current_ = edit_.text(); });
    connect(&edit, &QLineEdit::textEdited, this, &FieldInputRule::checkEdit);
}

void FieldInputRule::checkEdit(const QString& edited) {
    const QString before = current_;
    // The edit replaced one stretch of the text: what lies between the common beginning and
    // the common end is what it inserted.
    const qsizetype shorter = std::min(edited.size(), before.size());
    qsizetype prefix = 0;
    while (prefix < shorter && edited[prefix] == before[prefix]) {
        ++prefix;
    }
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           edited[edited.size() - 1 - suffix] == before[before.size() - 1 - suffix]) {
        ++suffix;
    }
    const QString inserted = edited.mid(prefix, edited.size() - prefix - suffix);
    const bool tooLong =
        maxLength_ > 0 && edited.size() > maxLength_ && edited.size() > before.size();
    if (takesAll(inserted) && !tooLong) {
        return;
    }
    edit_.setText(before);
    edit_.setCursorPosition(static_cast<int>(prefix));
}

bool FieldInputRule::takesAll(const QString& inserted) const {
    for (const char32_t codePoint : inserted.toUcs4()) {
        const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
        const auto byte = svidary::unicodeToCp1251(codePoint);
        if (control || !byte || !takes_(*byte)) {
            return false;
        }
    }
    return true;
}
