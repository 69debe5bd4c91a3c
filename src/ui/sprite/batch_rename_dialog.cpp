#include "ui/sprite/batch_rename_dialog.h"

#include "core/sprite/batch_rename.h"
#include "core/sprite/scrapboard.h"
#include "core/sprite/sprite_library.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"
#include "ui/platform/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace tav {

Form15::Form15(const GameFolder &folder, Scrapboard &board, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
    , m_folder(folder)
    , m_board(board)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Batch rename scrapboard sprites"));
    setModal(true);
    setFixedSize(sizeTw(4680, 2700));

    (new QLabel(QStringLiteral("In folder:"), this))->setGeometry(8, 10, 108, 20);
    m_list1 = new QComboBox(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(120, 7, 184, 26);

    (new QLabel(QStringLiteral("With name prefix:"), this))->setGeometry(8, 44, 108, 20);
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMaxLength(BatchRename::kMaxPrefixLength);
    m_text1->setGeometry(120, 41, 184, 26);

    (new QLabel(QStringLiteral("Rename all sprites from #1 to..."), this))->setGeometry(8, 76, 296, 20);
    m_slider1 = new QSlider(Qt::Horizontal, this);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setRange(1, BatchRename::kMaxFrames);
    m_slider1->setPageStep(1);
    m_slider1->setValue(1);
    m_slider1->setTickPosition(QSlider::TicksBelow);
    m_slider1->setGeometry(8, 98, 248, 28);
    m_lastFrame = new QLabel(this);
    m_lastFrame->setGeometry(264, 100, 40, 20);

    addLogo(this, 8, 140, 32);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    ok->setGeometry(120, 142, 88, 28);
    auto *cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setGeometry(216, 142, 88, 28);

    connect(m_text1, &QLineEdit::textChanged, this, &Form15::Text1_Change);
    connect(m_slider1, &QSlider::valueChanged, this, &Form15::Slider1_Change);
    connect(ok, &QPushButton::clicked, this, &Form15::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Form15::Command2_Click);

    Form_Load();
    Slider1_Change();
}

void Form15::Form_Load()
{
    m_list1->addItems(spriteFolderEntries(m_folder));
    m_list1->setCurrentIndex(0);
}

void Form15::Text1_Change()
{
    applyLengthRule();
}

void Form15::Slider1_Change()
{
    applyLengthRule();
    m_lastFrame->setText(QLatin1Char('#') + QString::number(m_slider1->value()));
}

void Form15::applyLengthRule()
{
    const int allowed = BatchRename::lastFrameAllowed(m_text1->text(), m_slider1->value());
    if (allowed != m_slider1->value())
        m_slider1->setValue(allowed);
}

void Form15::Command1_Click()
{
    const QString folderEntry = m_list1->currentText();
    const QString prefix = m_text1->text();
    if (const Status ok = BatchRename::checkPrefix(folderEntry, prefix); !ok) {
        platform::showError(ok.error());
        return;
    }
    BatchRename::renameFrames(m_board, folderEntry, prefix, m_slider1->value());
    accept();
}

void Form15::Command2_Click()
{
    reject();
}

} // namespace tav
