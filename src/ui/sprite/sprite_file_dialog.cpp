#include "ui/sprite/sprite_file_dialog.h"

#include "core/sprite/sprite_document.h"
#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_library.h"
#include "core/sprite/sprite_name.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"
#include "ui/platform/dialogs.h"
#include "ui/sprite/sprite_preview.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tav {
namespace {

// The last row whose text equals the given one, ignoring letter case.
int lastMatchingRow(const QListWidget *list, const QString &text)
{
    for (int row = list->count() - 1; row >= 0; --row)
        if (list->item(row)->text().compare(text, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

QLabel *caption(const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

Form13::Form13(const GameFolder &folder, const ScreenPalette &palette, SpriteDocument &editor, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Load sprite"));
    setModal(true);
    setFixedSize(sizeTw(4920, 3420));

    caption(QStringLiteral("sprite subfolder:"), QRect(8, 6, 104, 16), this);
    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(8, 24, 104, 112);

    caption(QStringLiteral("available sprites:"), QRect(118, 6, 110, 16), this);
    m_list2 = new QListWidget(this);
    m_list2->setObjectName(QStringLiteral("List2"));
    m_list2->setGeometry(118, 24, 110, 112);
    m_list2->setUniformItemSizes(true);

    caption(QStringLiteral("preview:"), QRect(236, 6, 86, 16), this);
    m_picture2 = new SpritePreview(m_previewCells, palette, this);
    m_picture2->move(236, 24);
    caption(QStringLiteral("dimensions:"), QRect(236, 112, 86, 16), this);
    m_dimen = new QLabel(QStringLiteral("40 x 40"), this);
    m_dimen->setObjectName(QStringLiteral("dimen"));
    m_dimen->setWordWrap(true);
    m_dimen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_dimen->setGeometry(236, 128, 88, 58);

    caption(QStringLiteral("sprite name:"), QRect(8, 142, 220, 16), this);
    m_filename = new QLineEdit(this);
    m_filename->setObjectName(QStringLiteral("filename"));
    m_filename->setReadOnly(true);
    m_filename->setGeometry(8, 160, 220, 24);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    m_ok->setGeometry(118, 194, 96, 26);
    auto *cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setAutoDefault(false);
    cancel->setGeometry(222, 194, 98, 26);
    addLogo(this, 8, 191, 32);

    connect(m_list1, &QListWidget::currentRowChanged, this, &Form13::List1_Click);
    connect(m_list2, &QListWidget::currentRowChanged, this, &Form13::List2_Click);
    connect(m_filename, &QLineEdit::textChanged, this, &Form13::filename_Change);
    connect(m_ok, &QPushButton::clicked, this, &Form13::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Form13::Command2_Click);

    Form_Load();
}

void Form13::Form_Load()
{
    m_list1->addItems(spriteFolderEntries(m_folder));
    // The empty entry for GRAFIK itself is as high as the others.
    m_list1->item(0)->setSizeHint(QSize(1, m_list1->fontMetrics().height() + 4));
}

void Form13::setSaveMode()
{
    setWindowTitle(QStringLiteral("Save sprite as"));
    m_filename->setReadOnly(false);
    m_filename->setFocus();
}

bool Form13::isLoadMode() const
{
    return m_filename->isReadOnly();
}

void Form13::setName(const QString &name)
{
    m_filename->setText(name);
}

QString Form13::chosenFolderEntry() const
{
    const QListWidgetItem *item = m_list1->currentItem();
    return item ? item->text() : QString();
}

void Form13::List1_Click()
{
    m_list2->clear();
    if (m_list1->currentRow() < 0)
        return;
    m_list2->addItems(spriteEntries(m_folder, chosenFolderEntry()));
}

void Form13::List2_Click()
{
    const QListWidgetItem *item = m_list2->currentItem();
    if (!item)
        return;
    m_filename->setText(chosenFolderEntry() + QLatin1Char('\\') + item->text());
    m_filename->end(false);
}

void Form13::filename_Change()
{
    m_ok->setEnabled(true);
    const QString name = m_filename->text();
    if (!name.startsWith(QLatin1Char('\\'))) {
        // Runs this again with the backslash in place.
        m_filename->setText(QLatin1Char('\\') + name);
        m_filename->end(false);
        return;
    }
    const SpriteNameParts parts = splitSpriteName(name);

    const int folderRow = lastMatchingRow(m_list1, parts.folder);
    if (folderRow != m_list1->currentRow())
        m_list1->setCurrentRow(folderRow);

    const int fileRow = lastMatchingRow(m_list2, parts.file);
    if (fileRow != m_list2->currentRow())
        m_list2->setCurrentRow(fileRow);
    else if (fileRow >= 0)
        List2_Click();
    // Choosing the entry wrote the name back in the list's spelling, and that
    // change has shown its own preview.
    if (m_filename->text() != name)
        return;
    showPreview(name);
}

void Form13::showPreview(const QString &name)
{
    SpriteFileContents contents;
    if (checkSpriteFileName(name)) {
        const QString path = m_folder.resolve(spriteFileGamePath(name));
        const QFileInfo info(path);
        if (info.isFile() && info.size() == 0)
            QFile::remove(path);
        else if (info.isFile())
            if (const Result<SpriteFileContents> read = readSpriteFile(path))
                contents = read.value();
    }
    m_dimen->setText(dimensionText(contents));
    m_previewCells = contents.pixels;
    m_picture2->update();
}

void Form13::Command1_Click()
{
    const QString name = m_filename->text();
    const Status valid = checkSpriteFileName(name);
    if (!valid) {
        platform::showError(valid.error(), QStringLiteral("Error!"));
        return;
    }
    if (!isLoadMode()) {
        m_editor.setName(name);
        accept();
        return;
    }
    const QString path = m_folder.resolve(spriteFileGamePath(name));
    const Result<SpriteFileContents> read = readSpriteFile(path);
    if (!read) {
        platform::showError(QStringLiteral("The sprite %1 could not be loaded.").arg(name), QStringLiteral("Error!"),
                            read.error());
        return;
    }
    m_editor.loadSprite(name, read.value());
    m_loadFallback = read->fallback;
    accept();
}

void Form13::Command2_Click()
{
    reject();
}

} // namespace tav
