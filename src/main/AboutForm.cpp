#include "AboutForm.h"

#include "Pictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int FormWidth = 336;
constexpr int FormHeight = 329;
constexpr int BannerHeight = 80;

QLabel* addLabel(QVBoxLayout* layout, const QString& text, const QString& name, bool bold) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    layout->addWidget(label);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("О программе \"Свидарий\""));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(FormWidth, FormHeight);
    // The window has a fixed size: the text is set small enough for its longest line to fit.
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);

    auto* banner = new QLabel;
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setPixmap(aboutBanner(FormWidth - 16, BannerHeight));
    layout->addWidget(banner);
    layout->addSpacing(6);

    addLabel(layout, QStringLiteral("Учебно-методический центр"), QStringLiteral("Label1"), true);
    addLabel(layout, QStringLiteral("информационных систем образования"), QStringLiteral("Label2"),
             true);
    layout->addSpacing(6);
    addLabel(layout, QStringLiteral("Программа формирования банка данных документов "),
             QStringLiteral("Label3"), false);
    addLabel(layout, QStringLiteral("об образовании, выданных учреждениями образования,"),
             QStringLiteral("Label4"), false);
    addLabel(layout, QStringLiteral("обеспечивающих получение "), QStringLiteral("Label5"), false);
    addLabel(layout, QStringLiteral("среднего специального образования."), QStringLiteral("Label6"),
             false);
    layout->addStretch(1);

    auto* rule = new QFrame;
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);

    auto* bottom = new QHBoxLayout;
    auto* version = new QLabel(QStringLiteral("версия от 01.10.2009"));
    version->setObjectName(QStringLiteral("Label7"));
    bottom->addWidget(version);
    bottom->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    bottom->addWidget(ok);
    layout->addLayout(bottom);

    connect(ok, &QPushButton::clicked, this, &TAboutForm::FormClick);
    // Clicks on the other children reach the window by themselves; a label may keep them for
    // text selection, so the labels are watched.
    for (QLabel* label : findChildren<QLabel*>()) {
        label->installEventFilter(this);
    }
}

void TAboutForm::mousePressEvent(QMouseEvent* event) {
    event->accept();
    FormClick();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched != this) {
        FormClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::FormClick() {
    accept();
}
