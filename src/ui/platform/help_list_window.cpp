#include "ui/platform/help_list_window.h"

#include "ui/platform/dialogs.h"
#include "ui/platform/reused_window.h"
#include "ui/platform/text_window.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tav::platform {

HelpListWindow::HelpListWindow(const QString &diskFolder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_diskFolder(diskFolder)
{
    setObjectName(QStringLiteral("HelpListWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help texts - ") + QDir(diskFolder).dirName());

    auto *note = new QLabel(QStringLiteral("No program could open the folder %1. These are its texts; "
                                           "double-click one (or choose it and press Open) to read it.")
                                .arg(QDir::toNativeSeparators(diskFolder)),
                            this);
    note->setObjectName(QStringLiteral("Note"));
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("Texts"));
    m_list->setHeaderLabels({QStringLiteral("File"), QStringLiteral("First line")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { openText(m_list->indexOfTopLevelItem(item)); });

    auto *open = new QPushButton(QStringLiteral("Open"), this);
    open->setObjectName(QStringLiteral("Open"));
    connect(open, &QPushButton::clicked, this,
            [this] { openText(m_list->indexOfTopLevelItem(m_list->currentItem())); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_list, 1);
    layout->addWidget(open, 0, Qt::AlignRight);
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 20);
}

bool HelpListWindow::reload()
{
    m_texts = listHelpTexts(m_diskFolder);
    m_list->clear();
    for (const HelpText &text : m_texts)
        m_list->addTopLevelItem(new QTreeWidgetItem({text.fileName, text.firstLine}));
    if (!m_texts.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
    return !m_texts.isEmpty();
}

void HelpListWindow::openText(int row)
{
    if (row < 0 || row >= m_texts.size() || showTextWindow(m_texts[row].diskPath))
        return;
    showError(QStringLiteral("%1 could not be read; it may have been moved or removed. The list now shows the "
                             "folder as it is.")
                  .arg(QDir::toNativeSeparators(m_texts[row].diskPath)));
    reload();
}

HelpListWindow *showHelpList(const QString &diskFolder)
{
    return showReusedWindow<HelpListWindow>(QDir(diskFolder).absolutePath());
}

} // namespace tav::platform
