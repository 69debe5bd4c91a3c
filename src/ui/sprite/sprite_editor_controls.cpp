// The controls of the sprite editor and their places.
#include "ui/sprite/sprite_editor.h"

#include "ui/common/artwork.h"
#include "ui/common/window_frame.h"
#include "ui/sprite/colour_swatch.h"
#include "ui/sprite/image_file_drop.h"
#include "ui/sprite/onion_skin_controls.h"
#include "ui/sprite/sprite_canvas.h"
#include "ui/sprite/sprite_icons.h"
#include "ui/sprite/sprite_preview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace tav {
namespace {

template <typename Button> Button *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new Button(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton *pictureButton(const QString &name, const QIcon &icon, const QString &tooltip, QWidget *parent)
{
    auto *b = button<QToolButton>(name, QString(), parent);
    b->setIcon(icon);
    b->setIconSize(QSize(24, 24));
    b->setToolTip(tooltip);
    b->setFixedSize(34, 34);
    return b;
}

QLineEdit *numberBox(const QString &name, bool readOnly, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(2);
    box->setReadOnly(readOnly);
    box->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::ClickFocus);
    box->setFixedWidth(34);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLabel *label(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

} // namespace

void Form12::buildControls()
{
    m_canvas = new SpriteCanvas(m_document, m_tools, m_palette, this);
    keepUncovered(m_canvas);
    m_preview = new SpritePreview(m_document.Matrix(), m_palette, this);

    // Preview, cursor, drawing mode, size and undo.
    auto *previewBox = new QGroupBox(QStringLiteral("Sprite preview"), this);
    auto *previewLayout = new QHBoxLayout(previewBox);
    previewLayout->addWidget(m_preview, 0, Qt::AlignCenter);

    // The cursor's cell under the canvas, so that the editor stays low enough
    // to stand above the launch window on a screen 720 pixels high.
    auto *cursorBox = new QWidget(this);
    cursorBox->setObjectName(QStringLiteral("Cursor"));
    auto *cursorLayout = new QHBoxLayout(cursorBox);
    cursorLayout->setContentsMargins(0, 0, 0, 0);
    m_sx = numberBox(QStringLiteral("SX"), true, cursorBox);
    m_sy = numberBox(QStringLiteral("SY"), true, cursorBox);
    cursorLayout->addWidget(label(QStringLiteral("Cursor:"), cursorBox));
    cursorLayout->addSpacing(8);
    cursorLayout->addWidget(label(QStringLiteral("X="), cursorBox));
    cursorLayout->addWidget(m_sx);
    cursorLayout->addSpacing(8);
    cursorLayout->addWidget(label(QStringLiteral("Y="), cursorBox));
    cursorLayout->addWidget(m_sy);
    cursorLayout->addStretch();

    auto *modeBox = new QGroupBox(QStringLiteral("Drawing mode"), this);
    auto *modeLayout = new QVBoxLayout(modeBox);
    // Five modes stand closer than the style's default, so the editor fits
    // above the launch window on a 720-pixel-high screen.
    modeLayout->setSpacing(2);
    auto *modeGroup = new QButtonGroup(this);
    const char *modeCaptions[] = {"selection", "pixel", "block", "grab color", "fill"};
    for (int i = 0; i < 5; ++i) {
        m_tool[i] = button<QRadioButton>(QStringLiteral("Tool_%1").arg(i), QLatin1String(modeCaptions[i]), modeBox);
        modeGroup->addButton(m_tool[i], i);
        modeLayout->addWidget(m_tool[i]);
    }
    m_tool[1]->setToolTip(QStringLiteral(
        "you can also draw pixels using the keyboard: press 'retrun' for left button color, 'space' for right button"));
    m_tool[3]->setToolTip(QStringLiteral("Press '#' to quickly grab the color of the current square"));
    connect(modeGroup, &QButtonGroup::idClicked, &m_tools, &DrawingTools::Tool_Click);

    auto *sizeBox = new QGroupBox(QStringLiteral("Sprite size"), this);
    m_sizeBox = sizeBox;
    keepInView(sizeBox);
    auto *sizeLayout = new QGridLayout(sizeBox);
    m_xSize = numberBox(QStringLiteral("XSize"), false, sizeBox);
    m_ySize = numberBox(QStringLiteral("YSize"), false, sizeBox);
    m_xSize->setText(QStringLiteral("40"));
    m_ySize->setText(QStringLiteral("40"));
    m_undoButton = pictureButton(QStringLiteral("UndoButton"), undoIcon(), QString(), sizeBox);
    m_undoButton->setProperty("Tag", QStringLiteral("0"));
    m_redoButton = pictureButton(QStringLiteral("RedoButton"), redoIcon(), QString(), sizeBox);
    sizeLayout->addWidget(label(QStringLiteral("width:"), sizeBox), 0, 0);
    sizeLayout->addWidget(m_xSize, 0, 1);
    sizeLayout->addWidget(label(QStringLiteral("height:"), sizeBox), 1, 0);
    sizeLayout->addWidget(m_ySize, 1, 1);
    sizeLayout->setColumnStretch(2, 1);
    // Undo above redo keeps the column as narrow as the size boxes.
    sizeLayout->addWidget(m_undoButton, 0, 3, Qt::AlignCenter);
    sizeLayout->addWidget(m_redoButton, 1, 3, Qt::AlignCenter);

    // Drawing colours, editing functions and sprite operations.
    auto *coloursBox = new QGroupBox(QStringLiteral("Drawing colors"), this);
    auto *coloursLayout = new QGridLayout(coloursBox);
    m_lColor = new ColourSwatch([this] { return m_palette.colour(m_tools.leftColour()); }, coloursBox);
    m_rColor = new ColourSwatch([this] { return m_palette.colour(m_tools.rightColour()); }, coloursBox);
    m_lColor->setObjectName(QStringLiteral("LColor"));
    m_rColor->setObjectName(QStringLiteral("RColor"));
    for (ColourSwatch *box : {m_lColor, m_rColor}) {
        box->setFixedSize(52, 30);
        box->setToolTip(QStringLiteral("color #0"));
    }
    coloursLayout->addWidget(label(QStringLiteral("left"), coloursBox), 0, 0, Qt::AlignHCenter);
    coloursLayout->addWidget(label(QStringLiteral("right"), coloursBox), 0, 1, Qt::AlignHCenter);
    coloursLayout->addWidget(m_lColor, 1, 0, Qt::AlignHCenter);
    coloursLayout->addWidget(m_rColor, 1, 1, Qt::AlignHCenter);
    coloursLayout->addWidget(label(QStringLiteral("button"), coloursBox), 2, 0, 1, 2, Qt::AlignHCenter);

    auto *editingBox = new QGroupBox(QStringLiteral("Editing functions"), this);
    auto *editingLayout = new QGridLayout(editingBox);
    editingLayout->addWidget(pictureButton(QStringLiteral("Command5"), cutIcon(), QStringLiteral("cut"), editingBox), 0,
                             0);
    editingLayout->addWidget(pictureButton(QStringLiteral("Command6"), copyIcon(), QStringLiteral("copy"), editingBox),
                             0, 1);
    m_command7 = pictureButton(QStringLiteral("Command7"), deleteIcon(), QStringLiteral("delete"), editingBox);
    editingLayout->addWidget(m_command7, 0, 2);
    editingLayout->addWidget(
        pictureButton(QStringLiteral("Command8"), pasteIcon(), QStringLiteral("paste"), editingBox), 0, 3);
    m_trans = button<QCheckBox>(QStringLiteral("Trans"), QStringLiteral("transparent"), editingBox);
    m_trans->setToolTip(QStringLiteral("transparent background"));
    m_trans->setChecked(true);
    editingLayout->addWidget(m_trans, 1, 0, 1, 4);

    auto *operationsBox = new QGroupBox(QStringLiteral("Sprite operations:"), this);
    auto *operationsLayout = new QVBoxLayout(operationsBox);
    // Buttons in pairs keep the editor low (see the cursor row).
    auto *flips = new QHBoxLayout;
    flips->addWidget(button<QPushButton>(QStringLiteral("Command9"), QStringLiteral("flip | x-wise"), operationsBox));
    flips->addWidget(button<QPushButton>(QStringLiteral("Command10"), QStringLiteral("flip - y-wise"), operationsBox));
    operationsLayout->addLayout(flips);
    m_slider1 = new QSlider(Qt::Horizontal, operationsBox);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setFocusPolicy(Qt::NoFocus);
    m_slider1->setRange(1, 16);
    m_slider1->setSingleStep(1);
    m_slider1->setPageStep(1);
    m_slider1->setValue(1);
    m_slider1->setTickPosition(QSlider::TicksBelow);
    m_slider1->setToolTip(QStringLiteral("gradient range"));
    operationsLayout->addWidget(m_slider1);
    auto *random =
        button<QPushButton>(QStringLiteral("Command11"), QStringLiteral("generate random pixel sprite"), operationsBox);
    random->setToolTip(
        QStringLiteral("select beginning color with left mouse button, define gradient range with the slider above"));
    // Its long caption keeps clear of the button's edges.
    random->setMinimumWidth(random->fontMetrics().horizontalAdvance(random->text()) + 24);
    operationsLayout->addWidget(random);
    auto *replace = button<QPushButton>(QStringLiteral("Command12"), QStringLiteral("replace color"), operationsBox);
    replace->setToolTip(
        QStringLiteral("changes the color of all squares that have left button color to right button color"));
    auto *blur = button<QPushButton>(QStringLiteral("Command13"), QStringLiteral("blur filter"), operationsBox);
    blur->setToolTip(QStringLiteral("filter effect - useful for smooth shadings"));
    auto *colourOperations = new QHBoxLayout;
    colourOperations->addWidget(replace);
    colourOperations->addWidget(blur);
    operationsLayout->addLayout(colourOperations);

    // The sprite's name and the file commands.
    auto *fileBox = new QGroupBox(QStringLiteral("Sprite filename"), this);
    m_fileBox = fileBox;
    keepInView(fileBox);
    auto *fileLayout = new QGridLayout(fileBox);
    fileLayout->setVerticalSpacing(2);
    m_filename = new QLineEdit(fileBox);
    m_filename->setObjectName(QStringLiteral("filename"));
    m_filename->setReadOnly(true);
    m_filename->setFocusPolicy(Qt::NoFocus);
    m_filename->setProperty("Tag", QStringLiteral("0"));
    fileLayout->addWidget(m_filename, 0, 0, 1, 4);
    auto *load = button<QPushButton>(QStringLiteral("Command1"), QStringLiteral("load..."), fileBox);
    auto *save = button<QPushButton>(QStringLiteral("Command2"), QStringLiteral("save"), fileBox);
    auto *saveAs = button<QPushButton>(QStringLiteral("Command3"), QStringLiteral("save as..."), fileBox);
    auto *newSprite = button<QPushButton>(QStringLiteral("Command4"), QStringLiteral("new"), fileBox);
    auto *help = button<QPushButton>(QStringLiteral("Command14"), QStringLiteral("Sprites.txt"), fileBox);
    m_check1 = button<QCheckBox>(QStringLiteral("Check1"), QStringLiteral("pink backg"), fileBox);
    auto *exportImage = button<QToolButton>(QStringLiteral("ExportImage"), QStringLiteral("export image..."), fileBox);
    auto *importImage = button<QToolButton>(QStringLiteral("ImportImage"), QStringLiteral("import image..."), fileBox);
    exportImage->setToolTip(QStringLiteral("save the sprite at its size as a PNG image"));
    importImage->setToolTip(QStringLiteral("load a PNG image into the editor; dropping an image file on the canvas "
                                           "does the same"));
    fileLayout->addWidget(load, 1, 0);
    fileLayout->addWidget(save, 1, 1);
    fileLayout->addWidget(saveAs, 1, 2);
    fileLayout->addWidget(newSprite, 1, 3);
    fileLayout->addWidget(help, 2, 0);
    fileLayout->addWidget(m_check1, 2, 1);
    // The display toggles share a row: the onion skin stands beside "pink backg".
    fileLayout->addWidget(onionSkinControls(m_onion, fileBox), 2, 2, 1, 2);
    fileLayout->addWidget(exportImage, 3, 0, 1, 2);
    fileLayout->addWidget(importImage, 3, 2);
    QLabel *logo = addLogo(fileBox, 0, 0, 32);
    fileLayout->addWidget(logo, 3, 3, Qt::AlignRight | Qt::AlignVCenter);

    connect(load, &QPushButton::clicked, this, &Form12::Command1_Click);
    connect(save, &QPushButton::clicked, this, &Form12::Command2_Click);
    connect(saveAs, &QPushButton::clicked, this, &Form12::Command3_Click);
    connect(newSprite, &QPushButton::clicked, this, &Form12::Command4_Click);
    connect(help, &QPushButton::clicked, this, &Form12::Command14_Click);
    connect(m_check1, &QCheckBox::clicked, this, &Form12::Check1_Click);
    connect(exportImage, &QToolButton::clicked, this, &Form12::exportImage);
    connect(importImage, &QToolButton::clicked, this, &Form12::importImage);
    new ImageFileDropTarget(m_canvas, [this](const QString &path) { importImageFile(path); });
    connect(m_undoButton, &QToolButton::clicked, this, &Form12::UndoButton_Click);
    connect(m_redoButton, &QToolButton::clicked, this, &Form12::RedoButton_Click);
    m_canvas->setOnionSkin(&m_onion);
    connect(m_xSize, &QLineEdit::textChanged, this, &Form12::XSize_Change);
    connect(m_ySize, &QLineEdit::textChanged, this, &Form12::YSize_Change);
    m_xSize->installEventFilter(this);
    m_ySize->installEventFilter(this);

    auto *left = new QVBoxLayout;
    left->setSpacing(2);
    left->addWidget(previewBox);
    left->addWidget(modeBox);
    left->addWidget(sizeBox);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(coloursBox);
    right->addWidget(editingBox);
    right->addWidget(operationsBox);
    right->addStretch();
    auto *panel = new QGridLayout;
    panel->addLayout(left, 0, 0);
    panel->addLayout(right, 0, 1);
    panel->addWidget(fileBox, 1, 0, 1, 2);
    auto *window = new QHBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    auto *canvasColumn = new QVBoxLayout;
    canvasColumn->addWidget(m_canvas);
    canvasColumn->addWidget(cursorBox);
    canvasColumn->addStretch();
    window->addLayout(canvasColumn);
    window->addLayout(panel);
}

} // namespace tav
