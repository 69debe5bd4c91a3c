#include "ui/platform/text_window.h"

#include "core/common/text_file.h"
#include "ui/platform/reused_window.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tav::platform {

TextWindow::TextWindow(const QString &diskPath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_diskPath(diskPath)
{
    setObjectName(QStringLiteral("TextWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(diskPath).fileName());
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont monospace = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    monospace.setStyleHint(QFont::Monospace);
    monospace.setFixedPitch(true);
    m_text->setFont(monospace);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    const QFontMetrics metrics(m_text->font());
    resize(metrics.horizontalAdvance(QLatin1Char('M')) * 84, metrics.lineSpacing() * 32);
}

bool TextWindow::reload()
{
    const Result<TextFile> file = readTextFile(m_diskPath);
    if (!file)
        return false;
    m_text->setPlainText(file->lines.join(QLatin1Char('\n')));
    return true;
}

TextWindow *showTextWindow(const QString &diskPath)
{
    // The text scrolls inside its viewer.
    return showReusedWindow<TextWindow>(QFileInfo(diskPath).absoluteFilePath());
}

} // namespace tav::platform
