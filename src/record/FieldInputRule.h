#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

// Guards what typing and pasting may put into one text field. An edit is taken back when the
// text it inserts holds a character that Windows-1251 cannot hold, a control character (the
// record separator among them), or a character the field does not take, or when it makes the
// text longer than the field's limit. Deleting always passes, and so does anything a command
// sets directly, so a stored value that breaks the rules can still be shown and corrected.
class FieldInputRule : public QObject {
    Q_OBJECT
public:
    // Whether the field takes a character, given as its Windows-1251 byte.
    using CharacterTest = std::function<bool(unsigned char byte)>;

    // A limit of 0 means no limit. The rule belongs to the edit.
    FieldInputRule(QLineEdit& edit, CharacterTest takes, int maxLength);

private:
    void checkEdit(const QString& edited);
    bool takesAll(const QString& inserted) const;

    QLineEdit& edit_;
    CharacterTest takes_;
    int maxLength_;
    // The field's text as of its latest change, whoever made it.
    QString current_;
};
