#include "layouts/TChooseLayout.h"

#include <algorithm>

#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "layouts/Favourites.h"
#include "layouts/LayoutFile.h"
#include "layouts/TExtendedChoose.h"

namespace quorin {

namespace {

constexpr QSize kPreviewSize(206, 138);

QImage SmallTile() {
    QImage tile(":/bitmaps/2.bmp");
    if (tile.isNull()) {
        tile = QImage(13, 15, QImage::Format_RGB32);
        tile.fill(QColor(230, 220, 190));
    }
    // Black is the transparent colour of the small tile.
    QImage keyed = tile.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0xffffff) == 0)
                line[x] = 0;
    }
    return keyed;
}

bool CaseInsensitiveLess(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
}

}  // namespace

QImage DrawMiniature(const LayoutGrid& grid, const QImage& backdrop, const QImage& smallTile) {
    QImage buffer = backdrop.copy();
    QPainter p(&buffer);
    // Bottom layer first, right to left, so that left tiles cover their right neighbours.
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int x = kColumns - 1; x >= 0; --x)
            for (int y = 0; y < kRows; ++y) {
                const int v = grid.At(x + 1, y + 1, layer);
                if (v >= 1 && v <= 154)
                    p.drawImage(5 * x + 3 * (layer - 1) + 14, 6 * y - 3 * (layer - 1) + 8,
                                smallTile);
            }
    return buffer;
}

DropList::DropList(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // A copy: the list the name comes from must not lose it on its own.
    setDefaultDropAction(Qt::CopyAction);
    setMouseTracking(true);
}

void DropList::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptFrom && event->source() == acceptFrom) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DropList::dragMoveEvent(QDragMoveEvent* event) {
    if (!acceptFrom || event->source() != acceptFrom) {
        event->ignore();
        return;
    }
    if (selectUnderPointer)
        if (QListWidgetItem* under = itemAt(event->position().toPoint()))
            setCurrentItem(under);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DropList::dropEvent(QDropEvent* event) {
    if (!acceptFrom || event->source() != acceptFrom) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onDropped)
        onDropped(event->position().toPoint());
}

void DropList::keyPressEvent(QKeyEvent* event) {
    // Shift is how many keyboards type "+".
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        if (onKey && onKey(event->key())) {
            event->accept();
            return;
        }
    QListWidget::keyPressEvent(event);
}

void DropList::mouseMoveEvent(QMouseEvent* event) {
    // The list under the mouse takes the keyboard.
    setFocus();
    QListWidget::mouseMoveEvent(event);
}

namespace {

std::vector<std::string> FilesIn(const std::string& folder, const std::vector<std::string>& names) {
    std::vector<std::string> files;
    for (const std::string& name : names)
        files.push_back(folder + name + (name.ends_with(".shp") ? "" : ".lay"));
    return files;
}

}  // namespace

TChooseLayout::TChooseLayout(const std::string& layoutsFolder,
                             const std::vector<std::string>& layoutNames, const QImage& background,
                             std::vector<std::string> favourites, QWidget* parent)
    : TChooseLayout(layoutNames, FilesIn(layoutsFolder, layoutNames), background,
                    std::move(favourites), parent) {}

TChooseLayout::TChooseLayout(const std::vector<std::string>& layoutNames,
                             const std::vector<std::string>& layoutFiles, const QImage& background,
                             std::vector<std::string> favourites, QWidget* parent)
    : QDialog(parent),
      names_(layoutNames),
      files_(layoutFiles),
      favourites_(std::move(favourites)),
      minus_(SmallTile()) {
    setObjectName("Choose");
    setWindowTitle("Choose a new layout...");
    setFixedSize(476, 404);

    image1_ = QImage(kPreviewSize, QImage::Format_RGB32);
    image1_.fill(Qt::black);
    if (!background.isNull()) {
        QPainter p(&image1_);
        p.drawImage(image1_.rect(), background);
    }
    minusBuffer_ = image1_.copy();

    LayoutList = new DropList(this);
    LayoutList->setObjectName("LayoutList");
    LayoutList->setGeometry(10, 10, 220, 180);
    Preview = new QLabel(this);
    Preview->setObjectName("Preview");
    Preview->setGeometry(246, 10, kPreviewSize.width(), kPreviewSize.height());
    auto* fullName = new QLabel("Full Name :", this);
    fullName->setGeometry(246, 154, 70, 20);
    LayoutN = new QLabel(this);
    LayoutN->setObjectName("LayoutN");
    LayoutN->setGeometry(316, 154, 140, 20);
    LayoutN->setStyleSheet("font-weight: bold;");

    BitBtn1 = new QPushButton("&Play this layout", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(246, 180, 206, 30);
    BitBtn3 = new QPushButton("&Edit", this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setGeometry(246, 216, 62, 28);
    BitBtn4 = new QPushButton("C&reate", this);
    BitBtn4->setObjectName("BitBtn4");
    BitBtn4->setGeometry(312, 216, 66, 28);
    BitBtn5 = new QPushButton("E&xpand >>", this);
    BitBtn5->setObjectName("BitBtn5");
    BitBtn5->setGeometry(382, 216, 86, 28);

    FaveLayouts = new DropList(this);
    FaveLayouts->setObjectName("FaveLayouts");
    FaveLayouts->setGeometry(10, 200, 220, 158);
    auto* faveTitle = new QLabel("<< &Favorite Layouts", this);
    faveTitle->setBuddy(FaveLayouts);
    faveTitle->setGeometry(246, 254, 206, 20);
    faveTitle->setStyleSheet("font-weight: bold;");
    auto* help = new QLabel(
        "This is the list of layouts which appear in the Layouts menu. You can add layouts by "
        "dragging them from the top listbox and dropping them on the bottom listbox. Delete "
        "the layouts by doing the other way around...",
        this);
    help->setWordWrap(true);
    help->setGeometry(246, 274, 222, 88);
    help->setStyleSheet("font-size: 11px;");
    help->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    BitBtn2 = new QPushButton("&Cancel", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(368, 368, 100, 28);

    LayoutList->acceptFrom = FaveLayouts;
    FaveLayouts->acceptFrom = LayoutList;
    FaveLayouts->selectUnderPointer = true;
    FaveLayouts->onDropped = [this](QPoint at) {
        const QModelIndex under = FaveLayouts->indexAt(at);
        FaveLayoutsDragDrop(under.isValid() ? under.row() : FaveLayouts->count());
    };
    LayoutList->onDropped = [this](QPoint) { LayoutListDragDrop(); };
    // The keyboard's way of dragging: Insert (or +) copies the selected layout to the
    // favourites, Delete (or -) takes the selected favourite away, Enter on a favourite
    // plays it.
    LayoutList->onKey = [this](int key) {
        if (key != Qt::Key_Insert && key != Qt::Key_Plus)
            return false;
        FaveLayoutsDragDrop(FaveLayouts->count());
        if (const QListWidgetItem* item = LayoutList->currentItem()) {
            const auto added = FaveLayouts->findItems(item->text(), Qt::MatchExactly);
            if (!added.isEmpty())
                FaveLayouts->setCurrentItem(added.first());
        }
        return true;
    };
    FaveLayouts->onKey = [this](int key) {
        switch (key) {
            case Qt::Key_Delete:
            case Qt::Key_Minus:
            case Qt::Key_Backspace: {
                const int row = FaveLayouts->currentRow();
                LayoutListDragDrop();
                FaveLayouts->setCurrentRow(std::min(row, FaveLayouts->count() - 1));
                return true;
            }
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (FaveLayouts->currentItem())
                    FaveLayoutsDblClick();
                return true;
            default:
                return false;
        }
    };

    std::sort(favourites_.begin(), favourites_.end(), CaseInsensitiveLess);
    ShowFavourites();
    for (const std::string& name : names_)
        LayoutList->addItem(QString::fromStdString(name));

    connect(LayoutList, &QListWidget::currentRowChanged, this, [this] { LayoutListClick(); });
    connect(LayoutList, &QListWidget::itemDoubleClicked, this, [this] { LayoutListDblClick(); });
    connect(FaveLayouts, &QListWidget::itemDoubleClicked, this, [this] { FaveLayoutsDblClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TChooseLayout::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TChooseLayout::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TChooseLayout::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TChooseLayout::BitBtn5Click);

    if (!names_.empty())
        LayoutList->setCurrentRow(0);  // runs LayoutListClick
    else
        LayoutListClick();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TChooseLayout::ShowFavourites() {
    FaveLayouts->clear();
    for (const std::string& name : favourites_)
        FaveLayouts->addItem(QString::fromStdString(name));
}

void TChooseLayout::LayoutListClick() {
    const int row = LayoutList->currentRow();
    if (row >= 0 && row < static_cast<int>(names_.size()) &&
        row < static_cast<int>(files_.size())) {
        const std::string& name = names_[static_cast<size_t>(row)];
        const LayoutLoad load = ReadLayoutFile(files_[static_cast<size_t>(row)]);
        if (load.ok) {
            grid_ = load.grid;
            LayoutN->setText(QString::fromStdString(load.name.empty() ? name : load.name));
            LayoutN->setToolTip(QString());
        } else {
            // The miniature stays as it was; the name tells what is wrong.
            LayoutN->setText("(cannot be read)");
            LayoutN->setToolTip(QString::fromStdString(load.Message()));
        }
    }
    MinusRedraw();
    Preview->setPixmap(QPixmap::fromImage(minusBuffer_));
}

void TChooseLayout::MinusRedraw() {
    minusBuffer_ = DrawMiniature(grid_, image1_, minus_);
}

void TChooseLayout::LayoutListDblClick() {
    LayoutListClick();
    BitBtn1Click();
}

void TChooseLayout::BitBtn1Click() {
    if (LayoutList->currentRow() < 0)
        return;
    choice_ = Choice::Play;
    chosen_ = LayoutList->currentRow();
    accept();
}

void TChooseLayout::BitBtn3Click() {
    if (LayoutList->currentRow() < 0)
        return;
    choice_ = Choice::Edit;
    chosen_ = LayoutList->currentRow();
    accept();
}

void TChooseLayout::BitBtn4Click() {
    choice_ = Choice::Create;
    accept();
}

void TChooseLayout::BitBtn5Click() {
    const int count = static_cast<int>(names_.size());
    std::vector<QImage> miniatures;
    for (int i = 0; i < std::min(count, TExtendedChoose::kMostShown); ++i) {
        LayoutList->setCurrentRow(i);
        LayoutListClick();
        miniatures.push_back(minusBuffer_);
    }
    TExtendedChoose extended(miniatures, count, this);
    const int result = extended.exec();
    if (result == QDialog::Accepted) {
        LayoutList->setCurrentRow(extended.SelectedIndex());
        LayoutListDblClick();
    } else if (result != TExtendedChoose::kReduce) {
        reject();
    }
}

void TChooseLayout::FaveLayoutsDragDrop(int index) {
    const QListWidgetItem* item = LayoutList->currentItem();
    if (!item)
        return;
    DropFavourite(favourites_, item->text().toStdString(), index);
    ShowFavourites();
}

void TChooseLayout::LayoutListDragDrop() {
    const int row = FaveLayouts->currentRow();
    if (row < 0 || row >= static_cast<int>(favourites_.size()))
        return;
    favourites_.erase(favourites_.begin() + row);
    ShowFavourites();
}

void TChooseLayout::FaveLayoutsDblClick() {
    const QListWidgetItem* item = FaveLayouts->currentItem();
    if (!item)
        return;
    for (int i = 0; i < LayoutList->count(); ++i)
        if (LayoutList->item(i)->text() == item->text()) {
            LayoutList->setCurrentRow(i);
            LayoutListDblClick();
            return;
        }
}

}  // namespace quorin
