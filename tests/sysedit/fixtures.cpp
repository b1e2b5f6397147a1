#include "tests/sysedit/fixtures.h"

#include <fstream>
#include <memory>
#include <sstream>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "formats/latin1.h"

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string Pad(const std::string& text, size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string Person(const std::string& mainKind, const std::string& subKind, const std::string& from,
                   const std::string& against, const std::string& x, const std::string& y,
                   const std::string& ships, const std::string& info, const std::string& price) {
  return Pad(mainKind, 30) + Pad(subKind, 30) + Pad(from, 30) + Pad(against, 30) + Pad(x, 10) +
         Pad(y, 10) + Pad(ships, 10) + Pad(info, 30) + Pad(price, 10);
}

std::string Element(std::initializer_list<std::string> values) {
  std::string text;
  bool first = true;
  for (const std::string& value : values) {
    text += (first ? "[" + value + "]" : "  " + value) + "\r\n";
    first = false;
  }
  return text;
}

void WriteTinyUniverse(const std::filesystem::path& ini) {
  WriteBytes(ini / "_Elemente.ini",
             Lines({"+Umgebungen",   "00110010", " -Asteroiden", "  120 110 100", "/+",
                    "+Routen",       "11111001", " -BLAU",       "    0   0 255", "/+",
                    "+Sonnen",       "00110010", " -Wei\xdf",    "  255 255 200", "/+",
                    "+Planeten",     "11110110", " -Erde",       "   40 100 220", " -W\xfcste",
                    "  200 160  80", "/+",       "+Stationen",   "11110010",      " -Kreuz",
                    "  180 180 180", "/+",       "+Andockringe", "11111000",      " -Andockring",
                    "  255   0 255", "/+"}));
  WriteBytes(ini / "_Leute.ini", Lines({"+Auftr\xe4ge", "1111111", " -Kopfgeld", "x", " -Eskorte",
                                        "x", "/+", "+Informationen", "0000011", " -Ortsdaten", "x",
                                        "/+", "+Diplomatien", "1000001", " -Neutral", "x", "/+"}));
  WriteBytes(ini / "Gruppen.ini",
             Lines({"| Nr. Name                     Beziehungen", "-----------------------",
                    "0    Spieler                  1.0", "1    Die Allianz              0.0  1.0",
                    "2    Die H\xe4ndler              0.0  0.5  1.0",
                    "3    Die Blacks               -1.0 -1.0 -0.5 1.0"}));
  WriteBytes(ini / "Raumschiffe.ini", Lines({"| Schiffe", "Schwalbe            20        2",
                                             "Kr\xf6te               40        3"}));
  WriteBytes(ini / "Waffen.ini",
             Lines({"Loku I              1         1", "Laser II            2         6"}));
  WriteBytes(ini / "Waren.ini", Lines({"- Waren", "Wasser              100",
                                       "Kristalle           400", "blaue Gase          250"}));

  const std::filesystem::path system = ini / "Testsystem";
  WriteBytes(system / "System.ini",
             Element({"Sonnen", "Wei\xdf", "", "", "50000", "50000", "0", "0", "3000", "0"}) +
                 Element({"Planeten", "Erde", "Terra", "Die Allianz", "30000", "40000", "0", "1.5",
                          "2000", "0"}) +
                 Element({"Andockringe", "Andockring",
                          "Hafen S\xfc"
                          "d",
                          "Die H\xe4ndler", "30500", "40000", "90", "0", "0", "0"}) +
                 Element({"Routen", "BLAU",
                          "Hafen S\xfc"
                          "d<>Ring Zwei",
                          "Die Allianz", "30500", "40000", "45", "0", "0", "3"}) +
                 Element({"Andockringe", "Andockring", "Ring Zwei", "(keine Gruppe)", "60000",
                          "60000", "0", "0", "0", "0"}));
  WriteBytes(system / "Routen.ini",
             Lines({"2", "[Routen]", "Die Allianz", "30500     40000     1         ",
                    "50000     45000     2         ", "60000     60000     4         ", "[Routen]",
                    "Die H\xe4ndler", "60000     60000     1         "}));
  WriteBytes(
      system / "Orte" /
          "Hafen S\xc3\xbc"
          "d.ini",
      Lines({"[Schiffe]", Pad("Schwalbe", 20) + Pad("-1", 10), "[Waffen]",
             Pad("Loku I", 20) + Pad("-1", 10) + Pad("Laser II", 20) + Pad("5", 10), "[Waren]",
             Pad("Wasser", 20) + Pad("-1", 10), "[Warenpreise]",
             Pad("Wasser", 20) + Pad("120", 10) + Pad("Kristalle", 20) + Pad("380", 10) +
                 Pad("blaue Gase", 20) + Pad("260", 10),
             "[Leute]",
             Person("Auftr\xe4ge", "Kopfgeld", "Die Allianz", "Die Blacks", "40000", "41000", "2",
                    "", "900"),
             Person("Informationen", "Ortsdaten", "", "", "0", "0", "0", "Ring Zwei", "150")}));
  WriteBytes(
      system / "Orte" / "Ring Zwei.ini",
      Lines({"[Schiffe]", "", "[Waffen]", "", "[Waren]", "", "[Warenpreise]", "", "[Leute]",
             Person("Diplomatien", "Neutral", "Die Blacks", "", "0", "0", "0", "", "3000")}));
  WriteBytes(system / "Gruppen.txt", "Die Allianz h\xe4lt den Hafen.\r\nDie Blacks lauern.");
  WriteBytes(system / "Waren.txt",
             "Wasser ist knapp.\r\n\r\nKristalle kommen von au\xdf"
             "en.");
}

bool WriteSampleUniverse(const std::filesystem::path& ini) {
  const char* source = std::getenv("VELMARITH_SOURCE_DIR");
  const std::filesystem::path data =
      std::filesystem::path(source ? source : VELMARITH_SOURCE_DIR_FALLBACK) / "data" / "INI";
  if (!std::filesystem::is_directory(data)) return false;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
    if (!entry.is_regular_file()) continue;
    const std::string converted = GameTextFromRepository(ReadBytes(entry.path()), nullptr);
    WriteBytes(ini / std::filesystem::relative(entry.path(), data), converted);
  }
  return true;
}

void WhenModal(std::function<void(QWidget*)> action, std::function<bool(QWidget*)> wanted) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto polls = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, action, wanted, polls] {
    if (++*polls > 500) {  // never shown: do not linger into later tests
      timer->stop();
      timer->deleteLater();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || (wanted && !wanted(modal))) return;
    timer->stop();
    timer->deleteLater();
    action(modal);
  });
  timer->start();
}

void AnswerFolderDialog(const std::string& utf8Name) {
  WhenModal(
      [utf8Name](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (utf8Name.empty()) {
          dialog->reject();
          return;
        }
        dialog->findChild<QLineEdit*>()->setText(QString::fromStdString(utf8Name));
        dialog->findChild<QPushButton*>()->click();
      },
      [](QWidget* modal) { return modal->objectName().endsWith("FolderDialog"); });
}

void AnswerMessageBox(const char* buttonText, std::string* seenText) {
  WhenModal(
      [buttonText, seenText](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (seenText) *seenText = (box->text() + "\n" + box->informativeText()).toStdString();
        for (QAbstractButton* button : box->buttons()) {
          if (button->text() == QString::fromUtf8(buttonText)) {
            button->click();
            return;
          }
        }
        box->reject();
      },
      [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; });
}

void Type(QLineEdit* field, const std::string& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, QString::fromStdString(text));
}

void Click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

void PressShortcut(QWidget* where, int key) {
  // A closed dialog leaves no active window behind on the offscreen platform.
  where->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(where->window()));
  where->setFocus();
  QTest::keyClick(where, static_cast<Qt::Key>(key), Qt::ControlModifier);
}
