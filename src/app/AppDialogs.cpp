#include "app/AppDialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Summaries.h"

namespace slotsmith {

namespace {

// The texts of this file, under one name for the translators.
class DialogTexts {
  Q_DECLARE_TR_FUNCTIONS(DialogTexts)
};

// The README opens with building and installing; the guide starts at its own heading, which is
// brought to the top each time the window opens, once the page is laid out at its width. Its
// pictures are drawn at their own size where the page is wide enough, else scaled down to its
// width: a picture wider than the window would push the whole page sideways.
class UserGuideBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

 protected:
  void showEvent(QShowEvent* event) override {
    QTextBrowser::showEvent(event);
    QTimer::singleShot(0, this, [this] { showHeading(QStringLiteral("User guide")); });
  }

  void resizeEvent(QResizeEvent* event) override {
    QTextBrowser::resizeEvent(event);
    fitPictures();
  }

 private:
  void showHeading(const QString& title) {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
      if (block.blockFormat().headingLevel() == 2 && block.text() == title) {
        setTextCursor(QTextCursor(block));
        const QRectF place = document()->documentLayout()->blockBoundingRect(block);
        verticalScrollBar()->setValue(static_cast<int>(place.top()));
        return;
      }
    }
  }

  void fitPictures() {
    // The page's width within the viewport, less the document's margins on both sides.
    const qreal room = viewport()->width() - 2 * document()->documentMargin() - 4;
    if (room <= 0) return;
    QTextCursor cursor(document());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
      for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        QTextImageFormat picture = fragment.fragment().charFormat().toImageFormat();
        if (!picture.isValid()) continue;
        const QSize natural = naturalSize(picture.name());
        if (natural.isEmpty()) continue;
        const qreal width = std::min<qreal>(natural.width(), room);
        if (qFuzzyCompare(picture.width(), width)) continue;
        picture.setWidth(width);
        picture.setHeight(natural.height() * width / natural.width());
        cursor.setPosition(fragment.fragment().position());
        cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(),
                           QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture);
      }
    }
  }

  QSize naturalSize(const QString& name) {
    auto found = naturalSizes_.find(name);
    if (found == naturalSizes_.end()) {
      // A format without a reader here (a drawing where no plugin draws it) is not shown at all,
      // and has no size to fit.
      QByteArray bytes = loadResource(QTextDocument::ImageResource, QUrl(name)).toByteArray();
      QBuffer buffer(&bytes);
      found = naturalSizes_.insert(name, QImageReader(&buffer).size());
    }
    return *found;
  }

  QHash<QString, QSize> naturalSizes_;
};

}  // namespace

void showAboutDialog(QWidget* parent) {
  QMessageBox::about(
      parent, DialogTexts::tr("About Slotsmith"),
      DialogTexts::tr(
          "<h3>Slotsmith %1</h3>"
          "<p>Organises the sound database of a Neuron synthesizer: 1000 sound slots and 1000 "
          "model slots, with every sound's model references kept consistent by every edit.</p>"
          "<p>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</p>"
          "<p>Built with Qt %2, running on Qt %3.</p>")
          .arg(QApplication::applicationVersion(), QStringLiteral(QT_VERSION_STR), qVersion()));
}

// A reference to an empty model slot is no damage: the user may have emptied the slot on purpose,
// or fill it later. It is told apart, as information.
HealthChoice showHealthReport(QWidget* parent, const std::vector<DoctorFinding>& findings,
                              bool offerClearing) {
  QStringList damage;
  QStringList information;
  bool fixable = false;
  for (const DoctorFinding& finding : findings) {
    (isDamage(finding) ? damage : information) << QString::fromStdString(finding.text);
    fixable = fixable || finding.removable;
  }
  QString text = DialogTexts::tr("Nothing is damaged or left over in this database.");
  if (damage.size() == 1) {
    text = DialogTexts::tr("Found in this database: %1.").arg(damage.front());
  } else if (damage.size() > 1) {
    text = DialogTexts::tr("Found in this database: %1; and %2 (see Show Details).")
               .arg(damage.front(),
                    DialogTexts::tr("%n more thing(s)", "", static_cast<int>(damage.size()) - 1));
  }
  QString informative;
  if (fixable) {
    informative = DialogTexts::tr(
        "Fix clears what is provably left over, with the database locked as for "
        "an edit; the rest is only reported, for you to judge.");
  } else if (!damage.isEmpty()) {
    informative = DialogTexts::tr(
        "None of it is provably left over, so nothing is cleared from here: only "
        "you can judge it.");
  }
  if (!information.isEmpty()) {
    if (!informative.isEmpty()) informative += QStringLiteral("\n\n");
    informative += DialogTexts::tr(
        "For your information: %n reference(s) point at empty model slots. The synthesizer "
        "plays such a reference as no model; Find & Replace Model (Ctrl+H) can point them at "
        "another model, and Clear References to Empty Slots sets them all to none (-1), "
        "undoably.",
        "", static_cast<int>(information.size()));
  }
  QMessageBox box(damage.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                  DialogTexts::tr("Database Health"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("healthReport"));
  box.setInformativeText(informative);
  if (!findings.empty()) box.setDetailedText((damage + information).join('\n'));
  // The details are whole paths, one a line: a box as narrow as its buttons would wrap each.
  if (auto* layout = qobject_cast<QGridLayout*>(box.layout())) {
    layout->addItem(new QSpacerItem(560, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                    layout->rowCount(), 0, 1, layout->columnCount());
  }
  const QPushButton* fix =
      fixable ? box.addButton(DialogTexts::tr("Fix"), QMessageBox::ActionRole) : nullptr;
  const QPushButton* clear = nullptr;
  if (offerClearing && !information.isEmpty()) {
    // One undoable edit that sets every such reference to -1, as it plays already.
    clear =
        box.addButton(DialogTexts::tr("Clear References to Empty Slots"), QMessageBox::ActionRole);
  }
  // With buttons of its own besides OK, the box would not know which one Esc means.
  box.setEscapeButton(box.button(QMessageBox::Ok));
  box.exec();
  if (fix != nullptr && box.clickedButton() == fix) return HealthChoice::Fix;
  if (clear != nullptr && box.clickedButton() == clear) return HealthChoice::ClearEmptyReferences;
  return HealthChoice::Nothing;
}

QWidget* makeKeyboardGuide(QWidget* parent) {
  QString guide = DialogTexts::tr(
      "<p><b>Open</b> a database folder by dropping it on the drop zone, with File ▸ Open "
      "Database… (Ctrl+O), or as the argument of slotsmith-gui.</p>"
      "<p><b>Move</b> slots by dragging their rows between two rows of the same list; hold "
      "<b>Ctrl</b> while dropping to <b>copy</b> them. The line between the rows shows where "
      "the block will start; the rows the drop will move are tinted and the status bar "
      "says what will happen. A filtered list takes no drops.</p>"
      "<p>Moved <b>towards the top</b>, a block pushes the slots between down into its old "
      "place. Moved <b>towards the bottom</b>, it leaves its old slots empty and pushes every "
      "slot from the drop row on down by its size: moving sounds 5–7 to 13 leaves 5–7 empty, "
      "and slots pushed past 999 leave the bank (the confirmation names them).</p>"
      "<p>The <b>map</b> beside each list shows its 1000 slots: click a cell to select the "
      "slot, drag across cells to select a range.</p>");
#if defined(SLOTSMITH_PACKS)
  guide += DialogTexts::tr(
      "<p>Drop a <b>sound pack</b> (.zip) from the file manager between two rows of the "
      "sound list to import its sounds there with their models; Sounds ▸ Export Selection "
      "as Pack… (Ctrl+Shift+E) writes one, and File ▸ Open Sound Pack… shows one read "
      "only.</p>");
#endif
  guide += DialogTexts::tr(
      "<table>"
      "<tr><td>Tab, Shift+Tab</td><td>filter fields, lists, check box</td></tr>"
      "<tr><td>Arrows, Page Up/Down, Home/End</td><td>move in a list; with Shift or Ctrl: "
      "extend the selection</td></tr>"
      "<tr><td>Ctrl+Z / Ctrl+Shift+Z</td><td>undo / redo the last edit, at once: each "
      "reverses the other</td></tr>"
      "<tr><td>F2, double click on a name</td><td>rename the slot</td></tr>"
      "<tr><td>Delete</td><td>delete or remove the selected rows</td></tr>"
      "<tr><td>Ctrl+Shift+C / Ctrl+Shift+M</td><td>copy / move selected sounds to a "
      "slot</td></tr>"
      "<tr><td>Ctrl+Alt+C / Ctrl+Alt+M</td><td>copy / move selected models to a slot</td></tr>"
      "<tr><td>Ctrl+F / Ctrl+Shift+F</td><td>filter the sound / model list: name text, "
      "model:12, unused, disabled, empty; Esc clears</td></tr>"
      "<tr><td>Ctrl+H</td><td>find and replace a model in the selected sounds</td></tr>"
      "<tr><td>Ctrl+Shift+K</td><td>consolidate the models</td></tr>"
      "<tr><td>Ctrl+D</td><td>find duplicate models and sounds</td></tr>"
      "<tr><td>Ctrl+Shift+D</td><td>compare the two selected sounds</td></tr>"
      "<tr><td>Ctrl+R, double click on a number or a model</td><td>show the slot's file in "
      "the file manager</td></tr>"
      "<tr><td>F5</td><td>reload the database from disk</td></tr>"
      "<tr><td>Ctrl+Shift+W</td><td>write SoundNames and ModelNames</td></tr>"
      "<tr><td>Ctrl+2</td><td>bring the slot lists to the front</td></tr>"
      "</table>");
#if defined(SLOTSMITH_SOUND_LIBRARY)
  guide += DialogTexts::tr(
      "<p><b>Library</b>: drag sounds, or a whole list from the sidebar, between two rows of "
      "the sound list to place them there with their models. Drag sounds onto a list in the "
      "sidebar to add them; drag them within a list to reorder it. Drop a folder or a pack "
      "on the window to add it as a source.</p>"
      "<table>"
      "<tr><td>Ctrl+L</td><td>the Library window</td></tr>"
      "<tr><td>Ctrl+Shift+L</td><td>show the selected sound in the Library</td></tr>"
      "<tr><td>Ctrl+F</td><td>in the Library: to the search field; Down or Return: on to the "
      "sounds found</td></tr>"
      "<tr><td>Esc</td><td>in the Library: clear the search, then close the window</td></tr>"
      "<tr><td>F / H</td><td>in the Library's list: favourite / hide the selection</td></tr>"
      "<tr><td>Delete</td><td>in the tags of a sound: take the chosen tag off</td></tr>"
      "<tr><td>F2</td><td>in the Library's sidebar: rename the chosen list</td></tr>"
      "</table>");
#endif
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(QStringLiteral("keyboardGuide"));
  dialog->setWindowTitle(DialogTexts::tr("Keyboard and Drag and Drop"));
  auto* text = new QLabel(guide);
  text->setWordWrap(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setMargin(8);
  // The page is longer than a small or scaled screen is high: it scrolls, and the button below it
  // stays in sight.
  auto* scroll = new QScrollArea;
  scroll->setWidget(text);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(scroll, 1);
  layout->addWidget(buttons);
  constexpr int kReadableWidth = 620;
  text->setFixedWidth(kReadableWidth);
  scroll->setMinimumWidth(kReadableWidth + scroll->verticalScrollBar()->sizeHint().width());
  dialog->resize(
      dialog->sizeHint().width(),
      text->heightForWidth(kReadableWidth) + buttons->sizeHint().height() + 3 * layout->spacing());
  return dialog;
}

QWidget* makeUserGuide(QWidget* parent) {
  auto* browser = new UserGuideBrowser(parent);
  browser->setWindowFlag(Qt::Window);
  browser->setObjectName(QStringLiteral("userGuide"));
  browser->setWindowTitle(DialogTexts::tr("Slotsmith User Guide"));
  browser->setOpenExternalLinks(true);
  // The README and its pictures are built into the program, where they keep their own paths.
  browser->setSearchPaths({QStringLiteral(":/guide")});
  QFile readme(QStringLiteral(":/guide/README.md"));
  if (readme.open(QIODevice::ReadOnly)) browser->setMarkdown(QString::fromUtf8(readme.readAll()));
  browser->resize(760, 680);
  // Narrower than some sixty characters, a page of prose reads a few words a line.
  browser->setMinimumWidth(browser->fontMetrics().averageCharWidth() * 60);
  return browser;
}

}  // namespace slotsmith
