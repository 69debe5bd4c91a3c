#include "ui/macro/load_macro_dialog.h"

#include "core/macro/macro_file.h"
#include "core/macro/macro_type.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"
#include "ui/platform/dialogs.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tav {

Form3::Form3(const GameFolder &folder, Form2 &editor, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Load macro file"));
    setModal(true);
    setFixedSize(sizeTw(6120, 4215));

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(rectTw(120, 120, 2400, 3975));

    m_mtype = new QLineEdit(this);
    m_mtype->setObjectName(QStringLiteral("MType"));
    m_mtype->setReadOnly(true);
    m_mtype->setToolTip(QStringLiteral("macro type"));
    m_mtype->setGeometry(rectTw(2640, 120, 3360, 345));

    m_rems =
        new QPlainTextEdit(QStringLiteral("Use comments with '!comment syntax to make them appear in this box!"), this);
    m_rems->setObjectName(QStringLiteral("REMs"));
    m_rems->setReadOnly(true);
    m_rems->setToolTip(QStringLiteral("macro description"));
    m_rems->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_rems->setGeometry(rectTw(2640, 585, 3360, 2910));

    addLogo(this, px(2640), px(3600), px(480));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1_0"));
    m_ok->setGeometry(rectTw(3480, 3705, 1200, 390));
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1_1"));
    cancel->setGeometry(rectTw(4800, 3705, 1200, 390));

    connect(m_ok, &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(cancel, &QPushButton::clicked, this, [this] { Command1_Click(1); });
    // A click or an arrow key selects a name; the list taking the focus only
    // marks its first row, which must not count as a choice.
    connect(m_list1, &QListWidget::itemSelectionChanged, this, &Form3::List1_Click);

    // Form_Load. Escape closes the dialog as "Cancel" does (QDialog::reject).
    m_list1->addItems(listMacroNames(m_folder));
}

QString Form3::selectedName() const
{
    const QList<QListWidgetItem *> selected = m_list1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void Form3::List1_Click()
{
    if (m_list1->selectedItems().isEmpty())
        return;
    m_ok->setEnabled(true);
    m_rems->setPlainText(kNoMacroInfo);
    m_mtype->setText(kStandardMacro);
    const Result<QByteArray> contents = readMacroFile(m_folder, selectedName());
    if (!contents)
        return;
    const MacroInfo info = classifyMacro(contents.value());
    m_mtype->setText(info.type);
    if (info.info)
        m_rems->setPlainText(*info.info);
}

void Form3::Command1_Click(int index)
{
    if (index == 0 && !m_list1->selectedItems().isEmpty()) {
        loadIntoEditor(selectedName());
        accept();
    } else {
        reject();
    }
}

void Form3::loadIntoEditor(const QString &name)
{
    const Result<QByteArray> contents = readMacroFile(m_folder, name);
    if (!contents) {
        platform::showError(QStringLiteral("The macro could not be loaded."), QStringLiteral("Error"),
                            contents.error());
        return;
    }
    // Each line and its CR LF are one change of the body, formatted as
    // typing them would be, and the whole load is one step.
    m_editor.loadMacro(name, contents.value());
}

} // namespace tav
