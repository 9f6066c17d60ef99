#pragma once

#include "ui/Interaction.h"

#include <QElapsedTimer>
#include <memory>

class QProgressDialog;
class QWidget;

namespace lumidex {

// The real progress of long work: Qt's progress dialog, modal over its owner,
// with "Annulla", appearing after half a second of work.
class ProgressWindow : public Progress {
public:
    ProgressWindow(QWidget* owner, const QString& label, qint64 maximum);
    ~ProgressWindow() override;

    bool advance(qint64 done) override;
    void setLabel(const QString& label) override;
    bool cancelled() const override;

private:
    void letEventsThrough();

    std::unique_ptr<QProgressDialog> m_dialog;
    // The dialog counts in int: a count of bytes beyond it is scaled down.
    qint64 m_divisor = 1;
    // Events are let through a few times a second, not at every step of the work.
    QElapsedTimer m_sinceEvents;
};

} // namespace lumidex
