#pragma once

#include <QDialog>

// The About window: shown at start-up before the main window and by the Help menu. Any click on
// the window, its picture, its labels or its button closes it.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormClick();
};
