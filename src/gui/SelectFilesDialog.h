#pragma once
// The dialog in which the user chooses which files of an archive to restore,
// where to and under which condition. Created once with the window and
// reused: the caller empties the tree, adds every stored name with VulTree,
// checks all, calls prepareToShow and exec(), then reads the results. The
// dialog itself restores nothing; files() gives each file's stored name back
// byte for byte for archive::restoreTarget.
#include <QDialog>
#include <QIcon>
#include <QList>
#include <QSet>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace arkwell::text {
class TextTable;
}

namespace arkwell::gui {

class SelectFilesDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMethodCount = 6;

  struct FileChoice {
    QString storedPath;
    bool checked = false;
  };

  explicit SelectFilesDialog(QWidget* parent = nullptr);

  // Tree of stored names: one node per component. Windows names split at
  // "\" (and "/"); a name beginning with "/" hangs below a top node "/".
  // A file node is added every time, even beside an equal one.
  void clearTree();
  void VulTree(const QString& path);
  // The stored name of a file node (exactly as given to VulTree), or the
  // leading part of the stored name that created a folder node.
  static QString storedPath(const QTreeWidgetItem* item);
  // A file: a node added as the last component that has no children.
  static bool isFile(const QTreeWidgetItem* item);

  void checkAll(bool checked);
  void expandAll();
  void collapseAll();
  // Counts the checked files, shows the number in label4, enables OK only
  // when it is above 0 and returns it.
  int updateCounter();
  int totalFiles() const { return total_; }
  int checkedFiles() const { return static_cast<int>(checkedFiles_.size()); }

  void setArchiveTitle(const QString& title);  // label1
  // Counter, total, both option boxes ticked, tree expanded, captions and
  // hints from the texts, first restore method selected; the archive's title
  // is `title`. The caller then calls exec() itself.
  void prepareToShow(const text::TextTable& texts, const QString& title);

  int restoreMethod() const;  // 0..5 in the order of the texts 145 to 150
  QString restoreMethodCaption() const;
  bool originalPath() const;   // cbOrgPad
  bool keepStructure() const;  // cbOrgStruct
  // The folder picked in the folder tree (Label5); the home folder until the
  // user picks one.
  QString chosenFolder() const { return chosenFolder_; }
  void setChosenFolder(const QString& folder);
  // Every file in tree order with its check state.
  QList<FileChoice> files() const;

  QTreeWidget* tree() const { return tree_; }

 signals:
  void helpRequested();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTreeWidgetItem* findFolder(QTreeWidgetItem* parent, const QString& text) const;
  QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, const QString& stored, bool file);
  void track(const QTreeWidgetItem* item);
  void showCount();
  void applyOrgPad();
  void folderPicked(const QModelIndex& index);
  void confirm();

  QIcon folderIcon_;
  QIcon fileIcon_;
  QSet<const QTreeWidgetItem*> checkedFiles_;
  bool bulkChange_ = false;
  int total_ = 0;
  QString chosenFolder_;

  QLabel* title_;
  QTreeWidget* tree_;
  QPushButton* all_;
  QPushButton* none_;
  QPushButton* expand_;
  QPushButton* collapse_;
  QLabel* totalCaption_;
  QLabel* totalValue_;
  QLabel* checkedCaption_;
  QLabel* checkedValue_;
  QGroupBox* methodGroup_;
  QButtonGroup* methods_;
  QList<QRadioButton*> methodButtons_;
  QCheckBox* orgPad_;
  QCheckBox* orgStruct_;
  QGroupBox* folderGroup_;
  QLabel* folderLabel_;
  QFileSystemModel* folderModel_;
  QTreeView* folderTree_;
  QLabel* helpKey_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace arkwell::gui
