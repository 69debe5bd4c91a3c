#pragma once

#include "core/app/help_texts.h"

#include <QWidget>

class QTreeWidget;

namespace tav::platform {

// The kit's own list of a help folder's texts, for a desktop that cannot
// open the folder: each text's file name and first line; choosing one opens
// it in the kit's text viewer.
class HelpListWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpListWindow(const QString &diskFolder, QWidget *parent = nullptr);

    // Lists the folder's texts again; false when it holds none.
    bool reload();
    // Opens the listed text of a row in the viewer.
    void openText(int row);

private:
    QString m_diskFolder;
    QList<HelpText> m_texts;
    QTreeWidget *m_list = nullptr;
};

// Shows the list of a folder's texts, brought forward: one window per
// folder, reused while it is open. Nullptr when the folder holds no text.
HelpListWindow *showHelpList(const QString &diskFolder);

} // namespace tav::platform
