#include "ui/macro/macro_find_dialog.h"

#include "ui/platform/dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace tav {
namespace {

const QString kTitle = QStringLiteral("Find and replace");

QPushButton *addButton(QWidget *parent, QLayout *layout, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

} // namespace

MacroFindDialog::MacroFindDialog(QPlainTextEdit *edit, QWidget *parent)
    : QDialog(parent)
    , m_edit(edit)
    , m_find(new QLineEdit(this))
    , m_replace(new QLineEdit(this))
    , m_matchCase(new QCheckBox(QStringLiteral("Match case"), this))
    , m_wholeWords(new QCheckBox(QStringLiteral("Whole words"), this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(kTitle);
    m_find->setObjectName(QStringLiteral("FindText"));
    m_replace->setObjectName(QStringLiteral("ReplaceText"));
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    m_wholeWords->setObjectName(QStringLiteral("WholeWords"));
    m_status->setObjectName(QStringLiteral("FindStatus"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Find:"), this), 0, 0);
    grid->addWidget(m_find, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Replace with:"), this), 1, 0);
    grid->addWidget(m_replace, 1, 1);
    auto *checks = new QHBoxLayout;
    checks->addWidget(m_matchCase);
    checks->addWidget(m_wholeWords);
    checks->addStretch();
    grid->addLayout(checks, 2, 1);
    auto *buttons = new QHBoxLayout;
    QPushButton *next = addButton(this, buttons, QStringLiteral("FindNext"), QStringLiteral("Find next"));
    QPushButton *previous = addButton(this, buttons, QStringLiteral("FindPrevious"), QStringLiteral("Find previous"));
    QPushButton *replaceOne = addButton(this, buttons, QStringLiteral("Replace"), QStringLiteral("Replace"));
    QPushButton *all = addButton(this, buttons, QStringLiteral("ReplaceAll"), QStringLiteral("Replace all"));
    QPushButton *close = addButton(this, buttons, QStringLiteral("Close"), QStringLiteral("Close"));
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->addWidget(m_status, 4, 0, 1, 2);
    next->setDefault(true);

    connect(next, &QPushButton::clicked, this, [this] { findNext(); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(replaceOne, &QPushButton::clicked, this, &MacroFindDialog::replace);
    connect(all, &QPushButton::clicked, this, &MacroFindDialog::replaceAll);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(m_find, &QLineEdit::returnPressed, this, [this] { findNext(); });
}

void MacroFindDialog::showFind(bool replace)
{
    const QString selected = m_edit->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_find->setText(selected);
    m_status->clear();
    show();
    raise();
    activateWindow();
    QLineEdit *box = replace ? m_replace : m_find;
    box->setFocus();
    box->selectAll();
}

FindOptions MacroFindDialog::options(bool backward) const
{
    return {m_matchCase->isChecked(), m_wholeWords->isChecked(), backward};
}

void MacroFindDialog::say(const QString &text)
{
    m_status->setText(text);
}

bool MacroFindDialog::findNext(bool backward)
{
    QTextCursor cursor = m_edit->textCursor();
    const std::optional<TextMatch> match =
        findText(m_edit->toPlainText(), m_find->text(), backward ? cursor.selectionStart() : cursor.selectionEnd(),
                 options(backward));
    if (!match) {
        say(m_find->text().isEmpty() ? QString() : QStringLiteral("\"%1\" is not in the macro.").arg(m_find->text()));
        return false;
    }
    say(QString());
    cursor.setPosition(int(match->start));
    cursor.setPosition(int(match->start + match->length), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
    return true;
}

bool MacroFindDialog::refusedReplacement()
{
    if (isAllowedReplacement(m_replace->text()))
        return false;
    platform::showMessage(kPercentReplacementRefused, kTitle, platform::Icon::Exclamation);
    return true;
}

void MacroFindDialog::replace()
{
    if (refusedReplacement())
        return;
    QTextCursor cursor = m_edit->textCursor();
    const std::optional<TextMatch> here =
        cursor.hasSelection() ? findText(m_edit->toPlainText(), m_find->text(), cursor.selectionStart(), options(false))
                              : std::nullopt;
    if (here && here->start == cursor.selectionStart() && here->length == cursor.selectionEnd() - here->start)
        cursor.insertText(m_replace->text());
    findNext();
}

void MacroFindDialog::replaceAll()
{
    if (refusedReplacement())
        return;
    const QString text = m_edit->toPlainText();
    QList<TextMatch> matches;
    for (qsizetype from = 0; from <= text.size();) {
        const std::optional<TextMatch> match = findText(text, m_find->text(), from, options(false));
        if (!match || match->start < from)
            break;
        matches.append(*match);
        from = match->start + std::max<qsizetype>(1, match->length);
    }
    if (matches.isEmpty()) {
        say(QStringLiteral("\"%1\" is not in the macro.").arg(m_find->text()));
        return;
    }
    // From the last match back, so the places of the others stay as found;
    // one edit block, one step back.
    QTextCursor cursor(m_edit->document());
    cursor.beginEditBlock();
    for (auto it = matches.crbegin(); it != matches.crend(); ++it) {
        cursor.setPosition(int(it->start));
        cursor.setPosition(int(it->start + it->length), QTextCursor::KeepAnchor);
        cursor.insertText(m_replace->text());
    }
    cursor.endEditBlock();
    say(QStringLiteral("%1 replaced.").arg(matches.size()));
}

} // namespace tav
