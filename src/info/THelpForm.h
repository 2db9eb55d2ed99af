// The help window: the help text, the list of changes, a short help in French and the
// gallery of every tile face. It is built once and shown again for every help command.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTextDocument;

namespace quorin {

class Tileset;

namespace rtf {
struct Document;
}

// Lays a help document into `out`: paragraphs with their alignment, indents and spacing,
// runs with their weight, slant, underline, size, colour and font. A document that could
// only partly be read starts with its notice on a line of its own.
void FillTextDocument(const rtf::Document& document, QTextDocument& out);

// Every face of the tileset in its family, with the family's caption, on a transparent
// picture the size of the gallery.
QImage DrawTileGallery(const Tileset& tileset);

class THelpForm : public QDialog {
    Q_OBJECT
  public:
    enum Page { kHelpPage = 0, kWhatsNewPage = 1, kFrenchPage = 2, kTilesPage = 3 };
    static constexpr QSize kGallerySize{589, 349};

    // Reads quorin.rtf, whatsnew.rtf and the backdrop orange.jpg from `programDir` (with its
    // trailing slash). The gallery reads `tileset` each time the window is shown.
    THelpForm(const QString& programDir, const Tileset& tileset, QWidget* parent);

    // Makes `page` the current tab, redraws the gallery and places the panels; the caller
    // then shows the window.
    void ShowPage(int page);

    // The backdrop of the help pages, also behind the about box.
    const QImage& HelpPicture() const { return helpPicture_; }
    const QImage& Gallery() const { return gallery_; }

    QTabWidget* HelpControl = nullptr;
    QTextBrowser* RichEdit = nullptr;
    QTextBrowser* RichEdit2 = nullptr;
    QWidget* FrenchPanel = nullptr;
    QWidget* PaiPanel = nullptr;
    QPushButton* SpeedButton1 = nullptr;

  private:
    QTextBrowser* DocumentView(const QString& path, const char* name);
    QWidget* BuildFrenchPage();
    QWidget* BuildTilesPage();

    const Tileset& tileset_;
    QImage helpPicture_;
    QImage gallery_;
};

}  // namespace quorin
