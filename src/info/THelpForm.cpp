#include "info/THelpForm.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "info/Backdrop.h"
#include "info/RtfDocument.h"
#include "render/Pictures.h"
#include "render/Tileset.h"

namespace quorin {

namespace {

// Twips (1/1440 inch) to pixels at 96 dots per inch.
qreal Pixels(int twips) {
    return twips / 15.0;
}

Qt::Alignment AlignmentOf(rtf::Align align) {
    switch (align) {
        case rtf::Align::kCenter:
            return Qt::AlignHCenter;
        case rtf::Align::kRight:
            return Qt::AlignRight;
        case rtf::Align::kJustify:
            return Qt::AlignJustify;
        case rtf::Align::kLeft:
            break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat CharFormatOf(const rtf::Document& document, const rtf::CharFormat& f) {
    QTextCharFormat c;
    c.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    c.setFontItalic(f.italic);
    c.setFontUnderline(f.underline);
    // Sizes outside what a reader can use are damage, not design.
    c.setFontPointSize(std::clamp(f.halfPoints, 8, 144) / 2.0);
    if (const rtf::Color* color = document.ColorOf(f); color && !color->automatic)
        c.setForeground(QColor(color->red, color->green, color->blue));
    if (const std::string font = document.FontOf(f); !font.empty())
        c.setFontFamilies({QString::fromStdString(font)});
    return c;
}

struct Gallery {
    int firstFace;
    int lastFace;
    int left;
    int top;
};

// Where each family of faces goes, 45 pixels apart; winds and dragons right of the line.
constexpr Gallery kRows[] = {
    {1, 9, 10, 34},     {10, 18, 10, 114}, {19, 27, 10, 194},  {28, 31, 10, 274},
    {32, 35, 235, 274}, {39, 40, 440, 34}, {41, 42, 440, 114}, {36, 38, 440, 194},
};

struct Caption {
    const char* text;
    int x;
    int y;
};

constexpr Caption kCaptions[] = {
    {"Craks (4 times each)", 10, 14},     {"Bamboos (4 times each)", 10, 92},
    {"Dots (4 times each)", 10, 172},     {"Flowers (once each)", 10, 252},
    {"Seasons (once each)", 305, 252},    {"Winds (4 times each)", 440, 14},
    {"Dragons (4 times each)", 440, 172},
};

constexpr int kSeparatorX = 424;

QLabel* FrenchLabel(const QString& text, const QString& style, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(style);
    return label;
}

}  // namespace

void FillTextDocument(const rtf::Document& document, QTextDocument& out) {
    out.clear();
    QTextCursor cursor(&out);
    bool first = true;
    auto nextBlock = [&](const QTextBlockFormat& format) {
        if (first)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        first = false;
    };
    if (!document.notice.empty()) {
        QTextBlockFormat block;
        block.setBottomMargin(8);
        nextBlock(block);
        QTextCharFormat notice;
        notice.setFontItalic(true);
        notice.setForeground(QColor(128, 0, 0));
        cursor.insertText(QString::fromStdString(document.notice), notice);
    }
    for (const rtf::Paragraph& paragraph : document.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(AlignmentOf(paragraph.align));
        block.setLeftMargin(Pixels(paragraph.leftIndent));
        block.setRightMargin(Pixels(paragraph.rightIndent));
        block.setTextIndent(Pixels(paragraph.firstIndent));
        block.setTopMargin(Pixels(paragraph.spaceBefore));
        block.setBottomMargin(Pixels(paragraph.spaceAfter));
        nextBlock(block);
        for (const rtf::Run& run : paragraph.runs) {
            QString text = QString::fromStdString(run.text);
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(text, CharFormatOf(document, run.format));
        }
    }
}

QImage DrawTileGallery(const Tileset& tileset) {
    QImage gallery(THelpForm::kGallerySize, QImage::Format_ARGB32_Premultiplied);
    gallery.fill(Qt::transparent);
    QPainter p(&gallery);
    const QImage& sprites = tileset.TileSprites();
    for (const Gallery& row : kRows)
        for (int face = row.firstFace; face <= row.lastFace; ++face) {
            const QPoint slot = Tileset::SpriteSlot(face);
            const QRect source(slot.x() + 6, slot.y() + 1, Tileset::kFaceWidth,
                               Tileset::kFaceHeight);
            const QPoint at(row.left + 45 * (face - row.firstFace), row.top);
            p.drawImage(at, sprites, source);
        }
    p.setPen(Qt::black);
    QFont font("Arial");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    for (const Caption& c : kCaptions)
        p.drawText(QRect(c.x, c.y, 170, 18), Qt::AlignLeft | Qt::AlignTop, c.text);
    p.setPen(QColor(96, 48, 0));
    p.drawLine(kSeparatorX, 10, kSeparatorX, THelpForm::kGallerySize.height() - 10);
    return gallery;
}

THelpForm::THelpForm(const QString& programDir, const Tileset& tileset, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      tileset_(tileset) {
    setObjectName("help");
    setWindowTitle("Quorin Help ");
    setFixedSize(616, 437);
    QString error;
    if (!LoadPicture(programDir + "orange.jpg", helpPicture_, error))
        helpPicture_ = QImage();  // the panels fall back to a plain colour

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(4);

    HelpControl = new QTabWidget(this);
    HelpControl->setObjectName("HelpControl");
    HelpControl->tabBar()->setAttribute(Qt::WA_Hover);
    RichEdit = DocumentView(programDir + "quorin.rtf", "RichEdit");
    RichEdit2 = DocumentView(programDir + "whatsnew.rtf", "RichEdit2");
    HelpControl->addTab(RichEdit, "&Help");
    HelpControl->addTab(RichEdit2, "&What's New");
    HelpControl->addTab(BuildFrenchPage(), "&French");
    HelpControl->addTab(BuildTilesPage(), "&Tiles");
    column->addWidget(HelpControl, 1);

    auto* bottom = new QHBoxLayout;
    SpeedButton1 = new QPushButton(QIcon(":/glyphs/exit.png"), "&Return to Quorin", this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setDefault(true);
    SpeedButton1->setMinimumWidth(150);
    connect(SpeedButton1, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addStretch(1);
    bottom->addWidget(SpeedButton1);
    bottom->addStretch(1);
    column->addLayout(bottom);
}

QTextBrowser* THelpForm::DocumentView(const QString& path, const char* name) {
    auto* view = new QTextBrowser(this);
    view->setObjectName(name);
    view->setReadOnly(true);
    view->setOpenLinks(false);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    view->setPalette(palette);
    FillTextDocument(rtf::ReadRtfFile(path.toStdString()), *view->document());
    view->document()->setDocumentMargin(10);
    view->moveCursor(QTextCursor::Start);  // open at the top, not where the text was added
    return view;
}

QWidget* THelpForm::BuildFrenchPage() {
    auto* page = new QWidget;
    page->setObjectName("Francais");
    auto* panel = new Backdrop(page);
    panel->setObjectName("FrenchPanel");
    panel->SetPicture(&helpPicture_);
    panel->setFixedSize(505, 368);
    FrenchPanel = panel;

    const QString text = "color: #2a1606; font: 9pt 'Arial';";
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(22, 12, 22, 12);
    column->setSpacing(7);
    column->addWidget(FrenchLabel("Quorin, le solitaire Mah-Jongg",
                                  "color: maroon; font: bold 17pt 'Times New Roman';", panel));
    column->addWidget(FrenchLabel(
        "Quorin est un jeu de patience qui se joue avec les 144 tuiles d'un jeu de Mah-Jongg. "
        "Les tuiles sont empilées en une à cinq couches, selon une disposition que vous "
        "choisissez dans le menu « Layout ».",
        text, panel));
    column->addWidget(FrenchLabel(
        "Le but du jeu : vider le plateau en retirant les tuiles par paires identiques. Une "
        "horloge compte le temps, les indices coûtent des secondes de pénalité, et les meilleurs "
        "temps entrent au tableau d'honneur (« Hall of Fame »).",
        text, panel));
    column->addWidget(FrenchLabel(
        "Seule une tuile libre peut être retirée : aucune tuile n'est posée sur elle, et son "
        "côté gauche ou son côté droit est dégagé. Cliquez sur une tuile libre, puis sur une "
        "autre tuile libre qui lui est identique. Ctrl+Z reprend la dernière paire.",
        text, panel));
    column->addWidget(FrenchLabel(
        "Les fleurs et les saisons sont les exceptions : chacune n'existe qu'en un exemplaire, "
        "mais une fleur s'associe à n'importe quelle autre fleur, et une saison à n'importe "
        "quelle autre saison.",
        text, panel));
    column->addStretch(1);
    column->addWidget(FrenchLabel(
        "Cette page n'est qu'un résumé. L'aide complète, en anglais, se trouve sous l'onglet "
        "« Help ».",
        "color: #5a3a1a; font: italic 8pt 'Arial';", panel));

    auto* grid = new QVBoxLayout(page);
    grid->addWidget(panel, 0, Qt::AlignCenter);
    return page;
}

QWidget* THelpForm::BuildTilesPage() {
    auto* page = new QWidget;
    page->setObjectName("SeeTiles");
    auto* panel = new Backdrop(page);
    panel->setObjectName("PaiPanel");
    panel->SetPicture(&helpPicture_);
    panel->setFixedSize(593, 353);
    // The gallery is drawn 2 pixels in, where the drawing surface lies on the panel.
    panel->SetOverlay(&gallery_, QPoint(2, 2));
    PaiPanel = panel;
    auto* grid = new QVBoxLayout(page);
    grid->addWidget(panel, 0, Qt::AlignCenter);
    return page;
}

void THelpForm::ShowPage(int page) {
    HelpControl->setCurrentIndex(std::clamp(page, 0, HelpControl->count() - 1));
    // A text opens ready for the arrows and Page Down; a page with nothing to scroll leaves
    // the keyboard on the tabs, where the arrows go to the next page.
    if (auto* text = qobject_cast<QTextBrowser*>(HelpControl->currentWidget()))
        text->setFocus();
    else
        HelpControl->tabBar()->setFocus();
    // Every time: the player may have changed the tileset since.
    gallery_ = DrawTileGallery(tileset_);
    PaiPanel->update();
}

}  // namespace quorin
