// The help window, its documents and tile gallery, and the about box with its links.
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include "info/RtfDocument.h"
#include "info/TAboutBox.h"
#include "info/THelpForm.h"
#include "mainwindow/WelcomePanel.h"
#include "mainwindow/WindowTestSupport.h"
#include "render/Tileset.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kIni = "[Quorin]\r\nCoolStatus=0\r\nPlayMusic=0\r\nRandomSeed=4242\r\n";

QTextCharFormat FormatAt(const QTextDocument& doc, int block, int offset) {
    QTextCursor c(doc.findBlockByNumber(block));
    c.setPosition(c.block().position() + offset + 1);
    return c.charFormat();
}

// The face of `face` as the gallery shows it, and as the tileset holds it.
QImage GalleryFace(const QImage& gallery, int left, int top) {
    return gallery.copy(left, top, 40, 50).convertToFormat(QImage::Format_RGB32);
}

QImage SpriteFace(const Tileset& tileset, int face) {
    const QPoint s = Tileset::SpriteSlot(face);
    return tileset.TileSprites().copy(s.x() + 6, s.y() + 1, 40, 50);
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void DocumentsKeepTheirLook();
    void DamagedOrMissingDocumentsSayWhy();
    void GalleryShowsEveryFaceOfTheCurrentTileset();
    void EveryHelpCommandOpensItsPage();
    void PausesOnlyTheGameItInterrupts();
    void AboutBoxHandsTheConfiguredTargetsToTheDesktop();
    void Pictures();
};

void HelpTest::DocumentsKeepTheirLook() {
    const rtf::Document doc = rtf::ParseRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
        "{\\colortbl;\\red200\\green10\\blue20;}"
        "\\pard\\qc\\sb300\\sa150\\f1\\fs40\\cf1\\b Title\\b0\\par"
        "\\pard\\qr\\li600\\fi-300\\f0\\fs20 a\\tab {\\i it}{\\ul ul}\\line \\u233? "
        "caf\\'e9\\par}");
    QTextDocument out;
    FillTextDocument(doc, out);
    QCOMPARE(out.blockCount(), 2);
    const QTextBlock title = out.firstBlock();
    QCOMPARE(title.text(), QString("Title"));
    QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(title.blockFormat().topMargin(), 20.0);
    QCOMPARE(title.blockFormat().bottomMargin(), 10.0);
    const QTextCharFormat t = FormatAt(out, 0, 0);
    QCOMPARE(t.fontWeight(), int(QFont::Bold));
    QCOMPARE(t.fontPointSize(), 20.0);
    QCOMPARE(t.foreground().color(), QColor(200, 10, 20));
    QCOMPARE(t.fontFamilies().toStringList(), QStringList{"Times New Roman"});

    const QTextBlock body = title.next();
    QCOMPARE(body.text(), QString("a\titul") + QChar::LineSeparator + QString("é café"));
    QCOMPARE(body.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(body.blockFormat().leftMargin(), 40.0);
    QCOMPARE(body.blockFormat().textIndent(), -20.0);
    const QTextCharFormat plain = FormatAt(out, 1, 0);
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    QCOMPARE(plain.fontPointSize(), 10.0);
    QVERIFY(!plain.fontItalic());
    QVERIFY(FormatAt(out, 1, 2).fontItalic());
    QVERIFY(FormatAt(out, 1, 4).fontUnderline());
    QVERIFY(!FormatAt(out, 1, 4).fontItalic());
}

void HelpTest::DamagedOrMissingDocumentsSayWhy() {
    ProgramFolder folder(kIni);
    folder.Write("quorin.rtf", "{\\rtf1\\ansi \\pard How to play\\par {\\b unfinished");
    QFile::remove(folder.File("whatsnew.rtf"));
    Window w(folder);
    THelpForm& help = w->HelpWindow();
    const QTextDocument* damaged = help.RichEdit->document();
    // The notice first, then what could be read.
    QVERIFY(damaged->blockCount() >= 2);
    QVERIFY(!damaged->firstBlock().text().isEmpty());
    QVERIFY(damaged->firstBlock().charFormat().fontItalic() ||
            FormatAt(*damaged, 0, 0).fontItalic());
    QCOMPARE(damaged->firstBlock().next().text(), QString("How to play"));
    const QTextDocument* missing = help.RichEdit2->document();
    QCOMPARE(missing->blockCount(), 1);
    QVERIFY(missing->firstBlock().text().contains("whatsnew.rtf"));
    // The shipped documents read whole: no notice above their title.
    ProgramFolder shipped(kIni);
    Window s(shipped);
    QCOMPARE(s->HelpWindow().RichEdit->document()->firstBlock().text(), QString("Quorin Help"));
}

void HelpTest::GalleryShowsEveryFaceOfTheCurrentTileset() {
    ProgramFolder folder(kIni + "Tileset=1\r\n");
    Window w(folder);
    QImage shown;
    w.dialogs.onModal = [&](QDialog* d) { shown = static_cast<THelpForm*>(d)->Gallery(); };
    w->Action("ViewTiles1")->trigger();
    QCOMPARE(shown.size(), THelpForm::kGallerySize);
    const Tileset& orange = w->Tiles();
    // Craks across the top row, bamboos and dots below, flowers and seasons, then winds and
    // dragons right of the line.
    struct Spot {
        int face, left, top;
    };
    const Spot spots[] = {{1, 10, 34},    {9, 370, 34},   {10, 10, 114}, {27, 370, 194},
                          {28, 10, 274},  {35, 370, 274}, {39, 440, 34}, {42, 485, 114},
                          {36, 440, 194}, {38, 530, 194}};
    for (const Spot& s : spots)
        QCOMPARE(GalleryFace(shown, s.left, s.top), SpriteFace(orange, s.face));
    const QImage before = shown;

    // Our tilesets differ in their borders only, which the gallery leaves out: load one
    // whose faces differ.
    QImage negative(folder.File("Tilesets/pai.bmp"));
    negative.invertPixels();
    QVERIFY(negative.save(folder.File("negative.bmp")));
    w.dialogs.pictureAnswers << folder.File("negative.bmp");
    w->Action("Load1")->trigger();
    w->Action("ViewTiles1")->trigger();
    QVERIFY(GalleryFace(shown, 10, 34) != GalleryFace(before, 10, 34));
    QCOMPARE(GalleryFace(shown, 10, 34), SpriteFace(w->Tiles(), 1));
}

void HelpTest::EveryHelpCommandOpensItsPage() {
    ProgramFolder folder(kIni);
    Window w(folder);
    int page = -1;
    bool visibleAfter = true;
    w.dialogs.onModal = [&](QDialog* d) {
        if (auto* help = qobject_cast<THelpForm*>(d))
            page = help->HelpControl->currentIndex();
    };
    auto opens = [&](const std::function<void()>& command) {
        page = -1;
        command();
        visibleAfter = w->HelpWindow().isVisible();
        return page;
    };
    QCOMPARE(opens([&] { w->Action("Contents1")->trigger(); }), int(THelpForm::kHelpPage));
    QVERIFY(!visibleAfter);
    QCOMPARE(opens([&] { w->Action("WhatsNew1")->trigger(); }), int(THelpForm::kWhatsNewPage));
    QCOMPARE(opens([&] { w->Action("French1")->trigger(); }), int(THelpForm::kFrenchPage));
    QCOMPARE(opens([&] { w->Action("ViewTiles1")->trigger(); }), int(THelpForm::kTilesPage));
    QCOMPARE(opens([&] { w->findChild<QToolButton*>("HelpButton")->click(); }),
             int(THelpForm::kHelpPage));
    QCOMPARE(opens([&] { w->Welcome()->Help->click(); }), int(THelpForm::kHelpPage));
    QCOMPARE(opens([&] { QTest::keyClick(w.window.get(), Qt::Key_F1); }),
             int(THelpForm::kHelpPage));
    QCOMPARE(w->HelpWindow().windowTitle(), QString("Quorin Help "));
    // One window, reused.
    QCOMPARE(w->findChildren<THelpForm*>().size(), 1);
}

void HelpTest::PausesOnlyTheGameItInterrupts() {
    ProgramFolder folder(kIni + "PauseFocus=1\r\n");
    Window w(folder);
    uint8_t modeWhileOpen = 0;
    w.dialogs.onModal = [&](QDialog*) { modeWhileOpen = w->State().GameMode; };

    // On the welcome panel there is nothing to pause.
    w->Action("Contents1")->trigger();
    QCOMPARE(modeWhileOpen, ModeIdle);
    QCOMPARE(w->State().GameMode, ModeIdle);

    w->Action("RandomSolitaireGame1")->trigger();
    QCOMPARE(w->State().GameMode, ModeSolitaire);
    w->Action("French1")->trigger();
    QCOMPARE(modeWhileOpen, ModePaused);
    QCOMPARE(w->State().GameMode, ModeSolitaire);
    w->Action("About1")->trigger();
    QCOMPARE(modeWhileOpen, ModePaused);
    QCOMPARE(w->State().GameMode, ModeSolitaire);

    // A game the player paused stays paused.
    w->Action("Pause1")->trigger();
    w->Action("Contents1")->trigger();
    QCOMPARE(w->State().GameMode, ModePaused);
    w->Action("Pause1")->trigger();

    // Without the option the game runs on behind the window.
    w->Action("GoCheckPause")->trigger();
    w->Action("Contents1")->trigger();
    QCOMPARE(modeWhileOpen, ModeSolitaire);
    QCOMPARE(w->State().GameMode, ModeSolitaire);
}

void HelpTest::AboutBoxHandsTheConfiguredTargetsToTheDesktop() {
    ProgramFolder folder(kIni);
    folder.Write("Links.ini",
                 "[Links]\r\nHomepage=https://tiles.example.net/\r\n"
                 "Website=file:///etc/passwd\r\nMailAuthor=mailto:me@example.net\r\n"
                 "MailGirls=https://has space.example.net/\r\n");
    Window w(folder);
    QStringList titles;
    w.dialogs.onModal = [&](QDialog* d) {
        titles << d->windowTitle();
        for (int i = 1; i <= 5; ++i) {
            auto* label = d->findChild<QWidget*>(QStringLiteral("UrlLabel%1").arg(i));
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        d->findChild<QPushButton*>("BitBtn1")->click();
    };
    w->Action("About1")->trigger();
    // The refused schemes and the malformed address stay inert; a missing key keeps ours.
    QCOMPARE(w.dialogs.links, QStringList({"https://tiles.example.net/", "mailto:me@example.net",
                                           "mailto:music@quorin.example.org"}));
    w.dialogs.links.clear();
    w->findChild<QToolButton*>("AboutButton")->click();
    w->Welcome()->About->click();
    QTest::keyClick(w.window.get(), Qt::Key_F11);
    QCOMPARE(titles, QStringList(4, "About Quorin "));
    QCOMPARE(w.dialogs.links.size(), 9);
    // The box is freed when it closes.
    QCOMPARE(w->findChildren<TAboutBox*>().size(), 0);
}

void HelpTest::Pictures() {
    // Pictures of every page and of the about box, kept in QUORIN_SCREENSHOTS when it names
    // a folder; each must be a picture of the whole window.
    QTemporaryDir scratch;
    const QString into = qEnvironmentVariable("QUORIN_SCREENSHOTS", scratch.path());
    ProgramFolder folder(kIni);
    Window w(folder);
    const char* names[] = {"help-contents", "help-whatsnew", "help-french", "help-tiles"};
    int page = 0;
    w.dialogs.onModal = [&](QDialog* d) {
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        d->grab().save(into + "/" + (qobject_cast<THelpForm*>(d) ? names[page] : "about") + ".png");
    };
    for (page = 0; page < 4; ++page)
        w->CallHelp(page);
    w->About1Click();
    for (const QString name :
         {"help-contents", "help-whatsnew", "help-french", "help-tiles", "about"}) {
        const QImage shot(into + "/" + name + ".png");
        QVERIFY2(shot.width() > 200 && shot.height() > 200, qPrintable(name));
    }
}

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
