#pragma once

#include "gui/search/SearchWindow.h"

namespace lumidex {

// The registry search: the cards of the registry archive, for the registry card editor.
class TfrmTrovaAnagrafica : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaAnagrafica(const QString& archivePath, QWidget* parent = nullptr)
        : SearchWindow(ArchiveKind::Registry, archivePath, parent)
    {
        setObjectName(QStringLiteral("frmTrovaAnagrafica"));
    }
};

} // namespace lumidex
