#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace tav::platform {

// The kit's own read-only viewer for a text file (a help text) when the
// desktop has no program to open it: monospace, decoded as Windows-1252,
// the file name in the caption.
class TextWindow : public QWidget {
    Q_OBJECT
public:
    explicit TextWindow(const QString &diskPath, QWidget *parent = nullptr);

    const QString &diskPath() const { return m_diskPath; }
    // Reads the file again; false when it cannot be read.
    bool reload();

private:
    QString m_diskPath;
    QPlainTextEdit *m_text = nullptr;
};

// Shows the file in its viewer, brought forward: one window per file, made
// on first use and reused while it is open. Nullptr when the file cannot be
// read.
TextWindow *showTextWindow(const QString &diskPath);

} // namespace tav::platform
