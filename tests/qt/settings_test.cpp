// The settings in a real QSettings file: damaged files are mended value by
// value, and a store that cannot be written is reported once without
// keeping the window from starting or the program from ending.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/code_page.h"
#include "platform/qt/qt_services.h"
#include "tests/common/row_name.h"
#include "window/form1.h"

namespace nodri {
namespace {

class QtSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    // QSettings keeps the user's path from the first use; point it here.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    services.application.Title = "Nodri";
  }

  QString FilePath() const { return home.filePath("Brevant/Nodri.conf"); }

  void WriteFile(const QByteArray& bytes) {
    QDir(home.path()).mkpath("Brevant");
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }

  // Our seven values as the file holds them after the program wrote it,
  // read with a QSettings of our own. Keys of others are left alone and not
  // looked at.
  std::map<std::string, std::string> Stored() {
    QSettings file(FilePath(), QSettings::IniFormat);
    std::map<std::string, std::string> values;
    for (const char* key : {"Top", "Left", "Width", "Height", "Base", "Form", "Case"}) {
      if (file.contains(key)) values[key] = file.value(key).toString().toStdString();
    }
    return values;
  }

  TForm1& Start() {
    form = std::make_unique<TForm1>(FormServices{services.application, services.clipboard,
                                                 services.settings, services.measurer,
                                                 services.screen});
    form->Create();
    return *form;
  }

  QTemporaryDir home;
  struct {
    RecordingErrorDisplay display;
    TApplication application{display};
    MemoryClipboard clipboard;
    qt::QtSettingsStore settings;
    HalfWidthMeasurer measurer;
    TScreen screen;
  } services;
  std::unique_ptr<TForm1> form;
};

using Values = std::map<std::string, std::string>;

const Values Defaults = {{"Top", "119"}, {"Left", "322"}, {"Width", "522"}, {"Height", "162"},
                         {"Base", "60"}, {"Form", "1"},   {"Case", "0"}};

Values With(Values values, const Values& changes) {
  for (const auto& [key, value] : changes) values[key] = value;
  return values;
}

struct DamageRow {
  const char* name;
  QByteArray file;  // what is there before the start; empty: no file
  Values after;     // the file after the start
  std::string base;
};

class DamagedFileTest : public QtSettingsTest, public ::testing::WithParamInterface<DamageRow> {};

TEST_P(DamagedFileTest, BadValuesAreReplacedAndGoodOnesKept) {
  const DamageRow& row = GetParam();
  if (!row.file.isNull()) WriteFile(row.file);
  TForm1& window = Start();
  EXPECT_TRUE(services.display.shown.empty())
      << Utf8FromCp932(services.display.shown.empty() ? "" : services.display.shown[0].text);
  EXPECT_EQ(Stored(), row.after);
  EXPECT_EQ(window.EditBase.Text(), row.base);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedFileTest,
    ::testing::Values(
        DamageRow{"missing", QByteArray(), Defaults, "60"},
        DamageRow{"empty", QByteArray(""), Defaults, "60"},
        DamageRow{"all_good", "[General]\nTop=1\nLeft=2\nWidth=600\nHeight=200\nBase=24\nForm=3\nCase=1\n",
                  {{"Top", "1"}, {"Left", "2"}, {"Width", "600"}, {"Height", "200"},
                   {"Base", "24"}, {"Form", "3"}, {"Case", "1"}},
                  "24"},
        DamageRow{"random_bytes", QByteArray("\x93\xff\x00\x12[\x80\x81=\x01\n\xfe\xfe", 13),
                  Defaults, "60"},
        DamageRow{"line_cut_in_half", "[General]\nBase=365\nForm=2\nCa", With(Defaults, {{"Base", "365"}, {"Form", "2"}}),
                  "365"},
        DamageRow{"wrong_types",
                  "[General]\nBase=abc\nForm=1.5\nCase=0x1\nTop=\nLeft=5 6\nWidth= 600\n",
                  With(Defaults, {{"Width", "600"}}), "60"},
        DamageRow{"out_of_range", "[General]\nBase=99999999999\nForm=-2147483649\nCase=7\n",
                  With(Defaults, {{"Case", "7"}}), "60"},
        DamageRow{"duplicated_keys", "[General]\nBase=12\nBase=24\n",
                  With(Defaults, {{"Base", "24"}}), "24"},
        DamageRow{"other_sections_left_alone", "[Other]\nBase=5\n[General]\nForm=4\n",
                  With(Defaults, {{"Form", "4"}}), "60"}),
    testing::RowName());

TEST_F(QtSettingsTest, CloseWritesTheSevenValues) {
  TForm1& window = Start();
  window.PopupMenuItemBase365.Click();
  window.PopupMenuItemCase.Click();
  window.SetClientSize(700, 300);
  window.Close();
  EXPECT_EQ(Stored(), With(Defaults, {{"Base", "365"}, {"Case", "1"}, {"Width", "700"},
                                      {"Height", "300"}}));
}

TEST_F(QtSettingsTest, FolderWhereTheFileShouldBeIsReportedOnce) {
  QDir(home.path()).mkpath("Brevant/Nodri.conf");
  TForm1& window = Start();
  ASSERT_EQ(services.display.shown.size(), 1u);
  EXPECT_EQ(Utf8FromCp932(services.display.shown[0].text), "'Top' の設定に失敗しました.");
  EXPECT_EQ(window.EditBase.Text(), "60");
  EXPECT_EQ(window.EditO.Text(), "00");

  window.Close();
  EXPECT_TRUE(window.Closed());
  ASSERT_EQ(services.display.shown.size(), 2u) << "the failed save is reported too";
}

}  // namespace
}  // namespace nodri
