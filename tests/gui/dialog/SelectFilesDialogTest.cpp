#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>

#include "gui/SelectFilesDialog.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "text/TextTable.h"

namespace arkwell::gui {
namespace {

using FileChoice = SelectFilesDialog::FileChoice;

// The tree as text: folders carry their children in braces (empty braces for
// a folder without any), files carry none; an empty node text shows as ''.
QString dump(const QTreeWidgetItem* item) {
  QString text = item->text(0).isEmpty() ? QStringLiteral("''") : item->text(0);
  if (SelectFilesDialog::isFile(item)) return text;
  QStringList children;
  for (int i = 0; i < item->childCount(); ++i) children << dump(item->child(i));
  return text + QLatin1Char('{') + children.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString dump(const SelectFilesDialog& dialog) {
  QStringList top;
  for (int i = 0; i < dialog.tree()->topLevelItemCount(); ++i) top << dump(dialog.tree()->topLevelItem(i));
  return top.join(QLatin1Char(' '));
}

void fill(SelectFilesDialog& dialog, const QStringList& names) {
  dialog.clearTree();
  for (const QString& name : names) dialog.VulTree(name);
}

// The node reached by following texts from the top.
QTreeWidgetItem* node(const SelectFilesDialog& dialog, const QStringList& texts) {
  QTreeWidgetItem* found = nullptr;
  for (const QString& text : texts) {
    QTreeWidgetItem* next = nullptr;
    const int count = found ? found->childCount() : dialog.tree()->topLevelItemCount();
    for (int i = 0; i < count && !next; ++i) {
      QTreeWidgetItem* candidate = found ? found->child(i) : dialog.tree()->topLevelItem(i);
      if (candidate->text(0) == text) next = candidate;
    }
    if (!next) return nullptr;
    found = next;
  }
  return found;
}

template <typename T>
T* child(const SelectFilesDialog& dialog, const char* name) {
  T* widget = dialog.findChild<T*>(QLatin1String(name));
  if (!widget) ADD_FAILURE() << "no control " << name;
  return widget;
}

TEST(SelectFilesDialogTree, OneNodePerComponentInEveryNameForm) {
  struct Case {
    const char* name;
    QStringList names;
    QString tree;
  };
  const Case cases[] = {
      {"drive name", {"E:\\Data\\a.txt"}, "E:{Data{a.txt}}"},
      {"equal names give equal file nodes", {"E:\\Data\\a.txt", "E:\\Data\\a.txt"}, "E:{Data{a.txt,a.txt}}"},
      {"no separator: a top-level file", {"a.txt"}, "a.txt"},
      {"UNC name: two empty nodes before the server", {"\\\\server\\share\\a.txt"}, "''{''{server{share{a.txt}}}}"},
      {"Linux name below the root node", {"/home/ann/a.txt"}, "/{home{ann{a.txt}}}"},
      {"folders shared, letter case counts",
       {"E:\\Data\\a.txt", "E:\\Data\\Sub\\b.txt", "E:\\data\\c.txt", "/srv/x", "/home/y"},
       "E:{Data{a.txt,Sub{b.txt}},data{c.txt}} /{srv{x},home{y}}"},
      {"a backslash inside a Linux name is part of the file name", {"/srv/odd\\name.txt"}, "/{srv{odd\\name.txt}}"},
      {"trailing separator: a folder without files", {"E:\\Empty\\"}, "E:{Empty{}}"},
      {"a rootless name continues the first equal node anywhere",
       {"E:\\Data\\a.txt", "Data\\b.txt"},
       "E:{Data{a.txt,b.txt}}"},
      {"empty name adds nothing", {""}, ""},
  };
  SelectFilesDialog dialog;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fill(dialog, c.names);
    EXPECT_EQ(dump(dialog), c.tree);
  }
}

TEST(SelectFilesDialogTree, EveryFileGivesBackItsStoredNameExactly) {
  const QStringList names = {
      "E:\\Data\\a.txt",
      "\\\\server\\share\\dir\\a.txt",
      "/home/ann/a.txt",
      "/srv/odd\\name.txt",
      "//double/slash.txt",
      "E:/Data/forward.txt",
      "top.txt",
      "/home/ann/d\u00e9j\u00e0 vu \u65e5\u672c.txt",
      "Data\\rootless.txt",
  };
  SelectFilesDialog dialog;
  // Each alone, and all together where folders are shared between forms.
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    fill(dialog, {name});
    const QList<FileChoice> files = dialog.files();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].storedPath.toUtf8(), name.toUtf8());
  }
  fill(dialog, names);
  QStringList stored;
  for (const FileChoice& file : dialog.files()) stored << file.storedPath;
  QStringList expected = names;
  stored.sort();
  expected.sort();
  EXPECT_EQ(stored, expected);
}

TEST(SelectFilesDialogTree, FoldersFollowTheirFilesAndOnlyFilesAreCounted) {
  SelectFilesDialog dialog;
  fill(dialog, {"E:\\Data\\a.txt", "E:\\Data\\b.txt", "E:\\Data\\Sub\\c.txt", "E:\\Empty\\", "top.txt"});
  auto* label4 = child<QLabel>(dialog, "label4");
  QTreeWidgetItem* drive = node(dialog, {"E:"});
  QTreeWidgetItem* data = node(dialog, {"E:", "Data"});
  QTreeWidgetItem* a = node(dialog, {"E:", "Data", "a.txt"});
  QTreeWidgetItem* sub = node(dialog, {"E:", "Data", "Sub"});
  ASSERT_TRUE(drive && data && a && sub && label4);
  EXPECT_TRUE(drive->flags() & Qt::ItemIsAutoTristate);
  EXPECT_TRUE(a->flags() & Qt::ItemIsUserCheckable);

  dialog.checkAll(true);
  EXPECT_EQ(dialog.checkedFiles(), 4) << "the empty folder is checked but is no file";
  EXPECT_EQ(node(dialog, {"E:", "Empty"})->checkState(0), Qt::Checked);
  EXPECT_EQ(label4->text(), "4");

  // Each change of a check box is counted at once.
  a->setCheckState(0, Qt::Unchecked);
  EXPECT_EQ(data->checkState(0), Qt::PartiallyChecked);
  EXPECT_EQ(drive->checkState(0), Qt::PartiallyChecked);
  EXPECT_EQ(sub->checkState(0), Qt::Checked);
  EXPECT_EQ(dialog.checkedFiles(), 3);
  EXPECT_EQ(label4->text(), "3");

  data->setCheckState(0, Qt::Unchecked);
  EXPECT_EQ(node(dialog, {"E:", "Data", "Sub", "c.txt"})->checkState(0), Qt::Unchecked);
  EXPECT_EQ(dialog.checkedFiles(), 1);

  data->setCheckState(0, Qt::Checked);
  EXPECT_EQ(drive->checkState(0), Qt::Checked);
  EXPECT_EQ(dialog.checkedFiles(), 4);
  EXPECT_EQ(dialog.updateCounter(), 4) << "a full count agrees with the running one";

  dialog.checkAll(false);
  EXPECT_EQ(drive->checkState(0), Qt::Unchecked);
  EXPECT_EQ(dialog.updateCounter(), 0);
  EXPECT_EQ(label4->text(), "0");

  dialog.clearTree();
  EXPECT_EQ(dialog.tree()->topLevelItemCount(), 0);
  EXPECT_EQ(dialog.checkedFiles(), 0);
}

TEST(SelectFilesDialogTree, AFileThatGetsChildrenBecomesAFolder) {
  SelectFilesDialog dialog;
  fill(dialog, {"E:\\x"});
  dialog.checkAll(true);
  ASSERT_EQ(dialog.checkedFiles(), 1);
  dialog.VulTree("E:\\x\\y.txt");
  EXPECT_EQ(dump(dialog), "E:{x{y.txt}}");
  EXPECT_EQ(dialog.checkedFiles(), 0);
  ASSERT_EQ(dialog.files().size(), 1);
  EXPECT_EQ(dialog.files()[0].storedPath, "E:\\x\\y.txt");
}

TEST(SelectFilesDialogButtons, OkOnlyWithACheckedFileAndTreeCommands) {
  SelectFilesDialog dialog;
  fill(dialog, {"/home/ann/a.txt", "/home/ann/b.txt"});
  auto* ok = child<QPushButton>(dialog, "OKButton");
  ASSERT_TRUE(ok);
  QSignalSpy accepted(&dialog, &QDialog::accepted);
  QSignalSpy rejected(&dialog, &QDialog::rejected);

  child<QPushButton>(dialog, "Button1")->click();
  EXPECT_EQ(dialog.checkedFiles(), 2);
  EXPECT_TRUE(ok->isEnabled());

  child<QPushButton>(dialog, "Button2")->click();
  EXPECT_EQ(dialog.checkedFiles(), 0);
  EXPECT_FALSE(ok->isEnabled());
  ok->click();
  EXPECT_EQ(accepted.count(), 0);

  node(dialog, {"/", "home", "ann", "b.txt"})->setCheckState(0, Qt::Checked);
  EXPECT_TRUE(ok->isEnabled());
  ok->click();
  EXPECT_EQ(accepted.count(), 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  child<QPushButton>(dialog, "Button3")->click();
  EXPECT_TRUE(node(dialog, {"/", "home", "ann"})->isExpanded());
  child<QPushButton>(dialog, "Button4")->click();
  EXPECT_FALSE(node(dialog, {"/"})->isExpanded());
  EXPECT_FALSE(node(dialog, {"/", "home", "ann"})->isExpanded());

  child<QPushButton>(dialog, "CancelButton")->click();
  EXPECT_EQ(rejected.count(), 1);
}

TEST(SelectFilesDialogResults, FilesInTreeOrderWithTheirStates) {
  SelectFilesDialog dialog;
  fill(dialog, {"E:\\B\\x.txt", "E:\\A\\y.txt", "E:\\B\\z.txt", "/r.txt", "E:\\B\\x.txt"});
  dialog.checkAll(true);
  node(dialog, {"E:", "A", "y.txt"})->setCheckState(0, Qt::Unchecked);
  dialog.tree()->topLevelItem(0)->child(0)->child(2)->setCheckState(0, Qt::Unchecked);  // the second x.txt

  const QList<FileChoice> files = dialog.files();
  const std::vector<std::pair<QString, bool>> expected = {
      {"E:\\B\\x.txt", true},  {"E:\\B\\z.txt", true}, {"E:\\B\\x.txt", false},
      {"E:\\A\\y.txt", false}, {"/r.txt", true},
  };
  ASSERT_EQ(files.size(), static_cast<qsizetype>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(files[i].storedPath, expected[i].first);
    EXPECT_EQ(files[i].checked, expected[i].second);
  }
  EXPECT_EQ(dialog.checkedFiles(), 3);
}

class SelectFilesDialogShow : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeFile(dir / "lang.lan",
                    "[English]\n"
                    "133=Pick files\n134=&All\n135=&None\n136=Open all\n137=Close all\n138=Chosen:\n"
                    "139=Original place\n140=Keep folders\n141=Method\n142=Into folder:\n143=Go\n144=Stop\n"
                    "145=M0\n146=M1\n147=M2\n148=M3\n149=M4\n150=M5\n151=Files:\n"
                    "152=H152\n153=H153\n154=H154\n155=H155\n156=H156\n157=H157\n158=H158\n159=H159\n");
    texts.CurrentLanguage = QStringLiteral("English");
    ASSERT_TRUE(texts.LoadTexts(QString::fromStdString(dir / "lang.lan"), text::TextTable::kHighestText, {}));
  }

  test::TempDir dir;
  test::ScopedEnv home{"HOME", dir.path()};
  text::TextTable texts;
};

TEST_F(SelectFilesDialogShow, ShowingResetsTheOptionsAndPutsTheTextsInPlace) {
  SelectFilesDialog dialog;
  fill(dialog, {"E:\\Data\\a.txt", "E:\\Data\\Sub\\b.txt", "/home/c.txt"});
  dialog.checkAll(true);
  // Left over from an earlier use of the same dialog.
  child<QCheckBox>(dialog, "cbOrgPad")->setChecked(false);
  child<QCheckBox>(dialog, "cbOrgStruct")->setChecked(false);
  child<QRadioButton>(dialog, "RadioGroup1Item3")->setChecked(true);
  ASSERT_EQ(dialog.restoreMethod(), 3);

  dialog.prepareToShow(texts, QStringLiteral("Weekly (full)"));

  EXPECT_EQ(dialog.totalFiles(), 3);
  EXPECT_EQ(child<QLabel>(dialog, "label3")->text(), "3");
  EXPECT_EQ(child<QLabel>(dialog, "label4")->text(), "3");
  EXPECT_EQ(child<QLabel>(dialog, "label1")->text(), "Weekly (full)");
  EXPECT_TRUE(dialog.originalPath());
  EXPECT_TRUE(dialog.keepStructure());
  EXPECT_FALSE(child<QCheckBox>(dialog, "cbOrgStruct")->isEnabled());
  EXPECT_TRUE(child<QGroupBox>(dialog, "GroupBox1")->isHidden());
  EXPECT_EQ(dialog.restoreMethod(), 0);
  EXPECT_EQ(dialog.restoreMethodCaption(), "M0");
  EXPECT_TRUE(node(dialog, {"E:", "Data", "Sub"})->isExpanded());
  EXPECT_TRUE(node(dialog, {"/"})->isExpanded());

  EXPECT_EQ(dialog.windowTitle(), "Pick files");
  struct Caption {
    const char* control;
    QString caption;
    QString hint;  // null: not checked
  };
  const Caption captions[] = {
      {"Button1", "&All", "H152"},      {"Button2", "&None", "H153"},           {"Button3", "Open all", "H154"},
      {"Button4", "Close all", "H155"}, {"cbOrgPad", "Original place", "H156"}, {"cbOrgStruct", "Keep folders", "H157"},
      {"OKButton", "Go", {}},           {"CancelButton", "Stop", {}},
  };
  for (const Caption& c : captions) {
    SCOPED_TRACE(c.control);
    auto* control = child<QAbstractButton>(dialog, c.control);
    ASSERT_TRUE(control);
    EXPECT_EQ(control->text(), c.caption);
    if (!c.hint.isNull()) {
      EXPECT_EQ(control->toolTip(), c.hint);
    }
  }
  for (int i = 0; i < SelectFilesDialog::kMethodCount; ++i) {
    const QByteArray name = "RadioGroup1Item" + QByteArray::number(i);
    EXPECT_EQ(child<QRadioButton>(dialog, name.constData())->text(), QStringLiteral("M%1").arg(i));
  }
  EXPECT_EQ(child<QGroupBox>(dialog, "RadioGroup1")->title(), "Method");
  EXPECT_EQ(child<QGroupBox>(dialog, "RadioGroup1")->toolTip(), "H158");
  EXPECT_EQ(child<QGroupBox>(dialog, "GroupBox1")->title(), "Into folder:");
  EXPECT_EQ(child<QLabel>(dialog, "Label6")->text(), "Files:");
  EXPECT_EQ(child<QLabel>(dialog, "Label2")->text(), "Chosen:");
  EXPECT_EQ(child<QLabel>(dialog, "lblHelpKey")->text(), "F1 = Help");
}

TEST_F(SelectFilesDialogShow, TheOriginalPathBoxGovernsTheFolderChoice) {
  test::makeFolder(dir / "restore/here");
  SelectFilesDialog dialog;
  fill(dialog, {"/home/ann/a.txt"});
  dialog.checkAll(true);
  dialog.prepareToShow(texts, {});
  EXPECT_EQ(dialog.chosenFolder(), QString::fromStdString(dir.path())) << "the home folder until one is picked";

  auto* orgPad = child<QCheckBox>(dialog, "cbOrgPad");
  auto* orgStruct = child<QCheckBox>(dialog, "cbOrgStruct");
  auto* group = child<QGroupBox>(dialog, "GroupBox1");
  orgPad->click();
  EXPECT_FALSE(dialog.originalPath());
  EXPECT_FALSE(group->isHidden());
  EXPECT_TRUE(orgStruct->isEnabled());
  EXPECT_TRUE(orgStruct->isChecked());
  orgStruct->click();
  EXPECT_FALSE(dialog.keepStructure());
  orgPad->click();
  EXPECT_TRUE(group->isHidden());
  EXPECT_FALSE(orgStruct->isEnabled());

  // Clicking a folder, or moving to one with the keyboard, picks it.
  auto* folders = child<QTreeView>(dialog, "RzShellTree1");
  auto* model = qobject_cast<QFileSystemModel*>(folders->model());
  ASSERT_TRUE(model);
  const QString here = QString::fromStdString(dir / "restore/here");
  emit folders->clicked(model->index(here));
  auto* label5 = child<QLabel>(dialog, "Label5");
  EXPECT_EQ(label5->text(), here);
  EXPECT_EQ(label5->toolTip(), here);
  EXPECT_EQ(dialog.chosenFolder(), here);
  const QString restore = QString::fromStdString(dir / "restore");
  folders->setCurrentIndex(model->index(restore));
  EXPECT_EQ(dialog.chosenFolder(), restore);
  EXPECT_EQ(label5->text(), restore);
}

TEST_F(SelectFilesDialogShow, TheFolderTreeListsFoldersOnlyHiddenOnesIncluded) {
  test::makeFolder(dir / "pick/visible");
  test::makeFolder(dir / "pick/.hidden");
  test::writeFile(dir / "pick/file.txt", "x");
  SelectFilesDialog dialog;
  auto* model = qobject_cast<QFileSystemModel*>(child<QTreeView>(dialog, "RzShellTree1")->model());
  ASSERT_TRUE(model);
  EXPECT_TRUE(model->isReadOnly());
  const QString pick = QString::fromStdString(dir / "pick");
  QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
  const QModelIndex folder = model->index(pick);
  ASSERT_TRUE(folder.isValid());
  model->fetchMore(folder);
  const auto pickLoaded = [&] {
    return std::any_of(loaded.begin(), loaded.end(), [&](const QList<QVariant>& args) { return args[0] == pick; });
  };
  for (int i = 0; i < 50 && !pickLoaded(); ++i) loaded.wait(100);
  ASSERT_TRUE(pickLoaded()) << "the folder was not listed within 5 s";
  QStringList names;
  for (int row = 0; row < model->rowCount(folder); ++row) names << model->index(row, 0, folder).data().toString();
  names.sort();
  EXPECT_EQ(names, QStringList({".hidden", "visible"}));
}

TEST(SelectFilesDialogHelp, F1InsideTheDialogAsksForHelpInsteadOfTheWindowsShortcut) {
  SelectFilesDialog dialog;
  QSignalSpy help(&dialog, &SelectFilesDialog::helpRequested);
  QTest::keyClick(dialog.tree(), Qt::Key_F1);
  EXPECT_EQ(help.count(), 1);

  // The window's program-wide F1 must yield while focus is in the dialog.
  QKeyEvent f1(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
  f1.ignore();
  QApplication::sendEvent(dialog.tree(), &f1);
  EXPECT_TRUE(f1.isAccepted());
  QKeyEvent f2(QEvent::ShortcutOverride, Qt::Key_F2, Qt::NoModifier);
  f2.ignore();
  QApplication::sendEvent(dialog.tree(), &f2);
  EXPECT_FALSE(f2.isAccepted());
}

}  // namespace
}  // namespace arkwell::gui
