#include "WaitForm.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int FormWidth = 344;
constexpr int FormHeight = 83;

} // namespace

TWaitForm::TWaitForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), caption_(new QLabel), note_(new QLabel),
      bar_(new QProgressBar) {
    setObjectName(QStringLiteral("WaitForm"));
    setFixedSize(FormWidth, FormHeight);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    outer->addWidget(frame);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(14, 6, 14, 8);
    caption_->setObjectName(QStringLiteral("Label1"));
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    note_->setObjectName(QStringLiteral("Label2"));
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, svidary::ProgressSteps);
    bar_->setFixedSize(313, 18);
    bar_->setTextVisible(false);
    layout->addWidget(caption_);
    layout->addWidget(note_);
    layout->addWidget(bar_, 0, Qt::AlignHCenter);
}

void TWaitForm::ShowWait(const QString& caption) {
    caption_->setText(caption);
    note_->setText(QStringLiteral("Это может занять несколько секунд..."));
    bar_->setValue(0);
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
        show();
    }
    raise();
    QCoreApplication::processEvents();
}

void TWaitForm::HideWait() {
    hide();
}

svidary::ProgressCallback TWaitForm::progressCallback() {
    return [this](int step) {
        bar_->setValue(step);
        QCoreApplication::processEvents();
    };
}

QString TWaitForm::caption() const {
    return caption_->text();
}

int TWaitForm::progress() const {
    return bar_->value();
}
