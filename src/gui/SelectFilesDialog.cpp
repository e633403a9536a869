#include "gui/SelectFilesDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "archive/RestoreTarget.h"
#include "text/TextTable.h"

namespace arkwell::gui {

namespace {

constexpr int kStoredPathRole = Qt::UserRole;
constexpr int kFileRole = Qt::UserRole + 1;

constexpr int kFirstMethodText = 145;

// Pre-order search, the order in which the tree is read.
QTreeWidgetItem* firstWithText(QTreeWidgetItem* item, const QString& text) {
  if (item->text(0) == text) return item;
  for (int i = 0; i < item->childCount(); ++i) {
    if (QTreeWidgetItem* found = firstWithText(item->child(i), text)) return found;
  }
  return nullptr;
}

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

template <typename T>
T* named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

SelectFilesDialog::SelectFilesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgSelectFiles"));
  setWindowTitle(QStringLiteral("Select files"));
  setModal(true);
  folderIcon_ = style()->standardIcon(QStyle::SP_DirIcon);
  fileIcon_ = style()->standardIcon(QStyle::SP_FileIcon);

  title_ = named(new QLabel, "label1");

  tree_ = named(new QTreeWidget, "RzCheckTree1");
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setUniformRowHeights(true);
  connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    if (!bulkChange_) track(item);
  });

  all_ = named(new QPushButton(QStringLiteral("&All")), "Button1");
  none_ = named(new QPushButton(QStringLiteral("&No")), "Button2");
  expand_ = named(new QPushButton(QStringLiteral("Expand all")), "Button3");
  collapse_ = named(new QPushButton(QStringLiteral("Collapse all")), "Button4");
  for (QPushButton* button : {all_, none_, expand_, collapse_}) button->setAutoDefault(false);
  connect(all_, &QPushButton::clicked, this, [this] { checkAll(true); });
  connect(none_, &QPushButton::clicked, this, [this] { checkAll(false); });
  connect(expand_, &QPushButton::clicked, this, &SelectFilesDialog::expandAll);
  connect(collapse_, &QPushButton::clicked, this, &SelectFilesDialog::collapseAll);

  totalCaption_ = named(new QLabel(QStringLiteral("Total files:")), "Label6");
  totalValue_ = named(new QLabel(QStringLiteral("0")), "label3");
  checkedCaption_ = named(new QLabel(QStringLiteral("Selected:")), "Label2");
  checkedValue_ = named(new QLabel(QStringLiteral("0")), "label4");

  methodGroup_ = named(new QGroupBox(QStringLiteral("Restore method")), "RadioGroup1");
  methods_ = new QButtonGroup(this);
  methods_->setObjectName(QStringLiteral("RadioGroup1Buttons"));
  auto* methodLayout = new QVBoxLayout(methodGroup_);
  // The captions the dialog has before the language's texts are put in place.
  const char* const designCaptions[kMethodCount] = {
      "Altijd",
      "Alleen bestaande bestanden",
      "Alleen nieuwere bestaande bestanden",
      "Alleen nieuwere bestanden",
      "Alleen niet-bestaande bestanden",
      "Vragen bij elk bestand",
  };
  for (int i = 0; i < kMethodCount; ++i) {
    auto* button = new QRadioButton(QString::fromUtf8(designCaptions[i]));
    button->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
    methods_->addButton(button, i);
    methodButtons_ << button;
    methodLayout->addWidget(button);
  }
  methodButtons_.first()->setChecked(true);

  orgPad_ = named(new QCheckBox(QStringLiteral("Restore to the original location")), "cbOrgPad");
  orgStruct_ = named(new QCheckBox(QStringLiteral("Keep the folder structure")), "cbOrgStruct");
  connect(orgPad_, &QCheckBox::toggled, this, &SelectFilesDialog::applyOrgPad);

  folderGroup_ = named(new QGroupBox(QStringLiteral("Restore to this folder:")), "GroupBox1");
  folderLabel_ = named(new QLabel, "Label5");
  folderLabel_->setWordWrap(true);
  folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  folderModel_ = new QFileSystemModel(this);
  folderModel_->setObjectName(QStringLiteral("RzShellTree1Model"));
  folderModel_->setFilter(QDir::AllDirs | QDir::Drives | QDir::Hidden | QDir::NoDotAndDotDot);
  folderModel_->setReadOnly(true);
  folderModel_->setRootPath(QString());
  folderTree_ = named(new QTreeView, "RzShellTree1");
  folderTree_->setModel(folderModel_);
  folderTree_->setHeaderHidden(true);
  for (int column = 1; column < folderModel_->columnCount(); ++column) folderTree_->hideColumn(column);
  folderTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Clicks and keyboard moves both end in a new current folder.
  connect(folderTree_, &QTreeView::clicked, this, &SelectFilesDialog::folderPicked);
  connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &SelectFilesDialog::folderPicked);
  auto* folderLayout = new QVBoxLayout(folderGroup_);
  folderLayout->addWidget(folderLabel_);
  folderLayout->addWidget(folderTree_, 1);
  setChosenFolder(QDir::homePath());

  helpKey_ = named(new QLabel(QStringLiteral("F1 = Help")), "lblHelpKey");
  ok_ = named(new QPushButton(QStringLiteral("OK")), "OKButton");
  cancel_ = named(new QPushButton(QStringLiteral("Cancel")), "CancelButton");
  ok_->setDefault(true);
  cancel_->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &SelectFilesDialog::confirm);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* treeButtons = new QHBoxLayout;
  for (QPushButton* button : {all_, none_, expand_, collapse_}) treeButtons->addWidget(button);
  treeButtons->addStretch(1);
  auto* counters = new QGridLayout;
  counters->addWidget(totalCaption_, 0, 0);
  counters->addWidget(totalValue_, 0, 1);
  counters->addWidget(checkedCaption_, 1, 0);
  counters->addWidget(checkedValue_, 1, 1);
  counters->setColumnStretch(2, 1);
  auto* left = new QVBoxLayout;
  left->addWidget(title_);
  left->addWidget(tree_, 1);
  left->addLayout(treeButtons);
  left->addLayout(counters);

  auto* right = new QVBoxLayout;
  right->addWidget(methodGroup_);
  right->addWidget(orgPad_);
  right->addWidget(orgStruct_);
  right->addWidget(folderGroup_, 1);
  right->addStretch(0);

  auto* body = new QHBoxLayout;
  body->addLayout(left, 3);
  body->addLayout(right, 2);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(helpKey_);
  bottom->addStretch(1);
  bottom->addWidget(ok_);
  bottom->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(bottom);
  resize(760, 520);

  applyOrgPad();
  showCount();
}

void SelectFilesDialog::clearTree() {
  tree_->clear();
  checkedFiles_.clear();
  showCount();
}

void SelectFilesDialog::VulTree(const QString& path) {
  if (path.isEmpty()) return;
  QTreeWidgetItem* parent = nullptr;
  qsizetype pos = 0;
  // A Linux name's root is a node of its own, so "/home" and "home" differ.
  if (path.startsWith(QLatin1Char('/'))) {
    const QString root = QStringLiteral("/");
    parent = findFolder(nullptr, root);
    if (!parent) parent = addNode(nullptr, root, root, false);
    pos = 1;
  }
  // Separators as the reader sees them; one character for one, so the
  // positions hold in the stored name too.
  const QString slashed = QString::fromStdString(archive::storedNameToSlashes(path.toStdString()));
  while (pos < path.size()) {
    const qsizetype separator = slashed.indexOf(QLatin1Char('/'), pos);
    if (separator < 0) {
      addNode(parent, path.mid(pos), path, true);
      return;
    }
    const QString component = path.mid(pos, separator - pos);
    QTreeWidgetItem* folder = findFolder(parent, component);
    parent = folder ? folder : addNode(parent, component, path.left(separator), false);
    pos = separator + 1;
  }
}

QTreeWidgetItem* SelectFilesDialog::findFolder(QTreeWidgetItem* parent, const QString& text) const {
  if (parent) {
    for (int i = 0; i < parent->childCount(); ++i) {
      if (parent->child(i)->text(0) == text) return parent->child(i);
    }
    return nullptr;
  }
  // Without a parent the first equal node anywhere in the tree is taken.
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    if (QTreeWidgetItem* found = firstWithText(tree_->topLevelItem(i), text)) return found;
  }
  return nullptr;
}

QTreeWidgetItem* SelectFilesDialog::addNode(QTreeWidgetItem* parent, const QString& text, const QString& stored,
                                            bool file) {
  // Filled before it joins the tree, so that no change is reported for it.
  auto* item = new QTreeWidgetItem;
  item->setText(0, text);
  item->setIcon(0, file ? fileIcon_ : folderIcon_);
  item->setData(0, kStoredPathRole, stored);
  item->setData(0, kFileRole, file);
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
  if (!file) flags |= Qt::ItemIsAutoTristate;
  item->setFlags(flags);
  item->setCheckState(0, Qt::Unchecked);
  if (!parent) {
    tree_->addTopLevelItem(item);
    return item;
  }
  parent->addChild(item);
  if (!(parent->flags() & Qt::ItemIsAutoTristate)) {
    // A file node that gets children is a folder from now on.
    parent->setFlags(parent->flags() | Qt::ItemIsAutoTristate);
    track(parent);
  }
  return item;
}

QString SelectFilesDialog::storedPath(const QTreeWidgetItem* item) {
  return item ? item->data(0, kStoredPathRole).toString() : QString();
}

bool SelectFilesDialog::isFile(const QTreeWidgetItem* item) {
  return item && item->childCount() == 0 && item->data(0, kFileRole).toBool();
}

void SelectFilesDialog::track(const QTreeWidgetItem* item) {
  const bool counted = isFile(item) && item->checkState(0) == Qt::Checked;
  const qsizetype before = checkedFiles_.size();
  if (counted) {
    checkedFiles_.insert(item);
  } else {
    checkedFiles_.remove(item);
  }
  if (checkedFiles_.size() != before) showCount();
}

void SelectFilesDialog::showCount() {
  checkedValue_->setText(QString::number(checkedFiles()));
  ok_->setEnabled(checkedFiles() > 0);
}

int SelectFilesDialog::updateCounter() {
  checkedFiles_.clear();
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if (isFile(*it) && (*it)->checkState(0) == Qt::Checked) checkedFiles_.insert(*it);
  }
  showCount();
  return checkedFiles();
}

void SelectFilesDialog::checkAll(bool checked) {
  WaitCursor wait;
  // Folders hand the state down; one count at the end instead of one per node.
  bulkChange_ = true;
  const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) tree_->topLevelItem(i)->setCheckState(0, state);
  bulkChange_ = false;
  updateCounter();
}

void SelectFilesDialog::expandAll() {
  tree_->expandAll();
}

void SelectFilesDialog::collapseAll() {
  tree_->collapseAll();
}

void SelectFilesDialog::setArchiveTitle(const QString& title) {
  title_->setText(title);
}

void SelectFilesDialog::prepareToShow(const text::TextTable& texts, const QString& title) {
  setArchiveTitle(title);
  total_ = updateCounter();
  totalValue_->setText(QString::number(total_));
  orgPad_->setChecked(true);
  orgStruct_->setChecked(true);
  applyOrgPad();
  expandAll();

  setWindowTitle(texts[133]);
  const struct {
    QPushButton* button;
    int caption;
    int hint;
  } treeButtons[] = {{all_, 134, 152}, {none_, 135, 153}, {expand_, 136, 154}, {collapse_, 137, 155}};
  for (const auto& b : treeButtons) {
    b.button->setText(texts[b.caption]);
    b.button->setToolTip(texts[b.hint]);
  }
  checkedCaption_->setText(texts[138]);
  totalCaption_->setText(texts[151]);
  orgPad_->setText(texts[139]);
  orgPad_->setToolTip(texts[156]);
  orgStruct_->setText(texts[140]);
  orgStruct_->setToolTip(texts[157]);
  methodGroup_->setTitle(texts[141]);
  methodGroup_->setToolTip(texts[158]);
  for (int i = 0; i < kMethodCount; ++i) methodButtons_[i]->setText(texts[kFirstMethodText + i]);
  methodButtons_.first()->setChecked(true);
  folderGroup_->setTitle(texts[142]);
  folderLabel_->setToolTip(texts[159]);
  ok_->setText(texts[143]);
  cancel_->setText(texts[144]);

  // The folder tree is read from disk only now that it is about to be seen.
  const QModelIndex current = folderModel_->index(chosenFolder_);
  if (current.isValid() && current != folderTree_->currentIndex()) {
    folderTree_->setCurrentIndex(current);
    folderTree_->scrollTo(current);
  }
}

int SelectFilesDialog::restoreMethod() const {
  return methods_->checkedId();
}

QString SelectFilesDialog::restoreMethodCaption() const {
  const int method = restoreMethod();
  return method >= 0 ? methodButtons_[method]->text() : QString();
}

bool SelectFilesDialog::originalPath() const {
  return orgPad_->isChecked();
}

bool SelectFilesDialog::keepStructure() const {
  return orgStruct_->isChecked();
}

void SelectFilesDialog::setChosenFolder(const QString& folder) {
  chosenFolder_ = folder;
  folderLabel_->setText(folder);
  folderLabel_->setToolTip(folder);
}

QList<SelectFilesDialog::FileChoice> SelectFilesDialog::files() const {
  QList<FileChoice> result;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if (isFile(*it)) result.push_back({storedPath(*it), (*it)->checkState(0) == Qt::Checked});
  }
  return result;
}

void SelectFilesDialog::applyOrgPad() {
  const bool original = orgPad_->isChecked();
  folderGroup_->setVisible(!original);
  orgStruct_->setEnabled(!original);
}

void SelectFilesDialog::folderPicked(const QModelIndex& index) {
  if (index.isValid()) setChosenFolder(folderModel_->filePath(index));
}

void SelectFilesDialog::confirm() {
  if (updateCounter() > 0) accept();
}

bool SelectFilesDialog::event(QEvent* event) {
  // The window's program-wide F1 would open help for its page; inside the
  // dialog the key belongs to the dialog.
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
      event->accept();
      return true;
    }
  }
  return QDialog::event(event);
}

void SelectFilesDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    emit helpRequested();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace arkwell::gui
