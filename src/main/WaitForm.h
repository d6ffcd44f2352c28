#pragma once

#include "core/Progress.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// The progress window of long operations: no border, no title, not modal. Created once after the
// main window and shown and hidden as needed.
class TWaitForm : public QWidget {
    Q_OBJECT

public:
    explicit TWaitForm(QWidget* parent = nullptr);

    // Shows the caption with the bar at 0; when already shown, only the texts and the bar change.
    void ShowWait(const QString& caption);
    void HideWait();

    // For the core's long work: sets the bar to the step (0..28) and lets pending window events
    // be processed, so that the program keeps painting.
    svidary::ProgressCallback progressCallback();

    QString caption() const;
    int progress() const;

private:
    QLabel* caption_;
    QLabel* note_;
    QProgressBar* bar_;
};
