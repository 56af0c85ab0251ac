#include "CMainFrame.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QWindow>

#include "CAboutDlg.h"
#include "CKorvaleView.h"
#include "CToolBarEx.h"
#include "FormLayout.h"
#include "Icons.h"
#include "LockKeyPanes.h"
#include "ResourceIds.h"
#include "StringTable.h"
#include "ToolBarTemplate.h"

namespace res = korvale::res;

namespace {

constexpr QSize kFrameSize(res::kFrameWidth, res::kFrameHeight);

bool MayChangeCommandStates(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::KeyPress:
    case QEvent::Wheel: return true;
    default: return false;
  }
}

}  // namespace

CMainFrame::CMainFrame(korvale::FileSystem& files, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), view_(new CKorvaleView(files, messages, this)) {
  setWindowTitle(res::LoadString(res::kIdDocumentStrings).section(QLatin1Char('\n'), 0, 0));
  setWindowIcon(res::ApplicationIcon());
  setContextMenuPolicy(Qt::NoContextMenu);
  setCentralWidget(view_);
  CreateMenu();
  CreateToolBar();
  CreateStatusBar();
  RouteCommands();
  resize(kFrameSize);
  idleUpdate_.setSingleShot(true);
  idleUpdate_.setInterval(0);
  connect(&idleUpdate_, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
  qApp->installEventFilter(this);
#if QT_CONFIG(sessionmanager)
  connect(qApp, &QGuiApplication::commitDataRequest, this, &CMainFrame::CommitSessionData);
#endif
  UpdateCommandStates();
}

void CMainFrame::CreateMenu() {
  actions_ = res::BuildMenuBar(res::MainMenu(), menuBar());
  for (QAction* top : menuBar()->actions()) {
    connect(top->menu(), &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(top->menu(), &QMenu::aboutToHide, this, [this] {
      QTimer::singleShot(0, this, [this] {
        if (!MenuHighlighted()) statusBar()->clearMessage();
      });
    });
  }
  actions_.at(res::kIdViewToolBar)->setCheckable(true);
  actions_.at(res::kIdViewStatusBar)->setCheckable(true);
}

void CMainFrame::CreateToolBar() {
  toolBar_ = new CToolBarEx(this);
  QList<ToolBarItem> items;
  for (int id : res::MainToolBar()) {
    if (id == res::kToolBarSeparator) {
      items << ToolBarItem::Separator();
      continue;
    }
    QAction* action = actions_.at(id);
    action->setToolTip(res::ToolTip(id));
    items << ToolBarItem{id, action};
  }
  toolBar_->LoadToolBar(res::ToolBarBitmap().toImage(),
                        QSize(res::kToolBarImageWidth, res::kToolBarImageHeight), items);

  toolBarRow_ = new QToolBar(this);
  toolBarRow_->setObjectName(QStringLiteral("toolBar128"));
  toolBarRow_->setMovable(false);
  toolBarRow_->setFloatable(false);
  toolBarRow_->setAllowedAreas(Qt::TopToolBarArea);
  toolBarRow_->toggleViewAction()->setVisible(false);
  toolBarRow_->addWidget(toolBar_);
  addToolBar(Qt::TopToolBarArea, toolBarRow_);
}

void CMainFrame::CreateStatusBar() {
  idle_ = new QLabel(res::LoadString(res::kIdIdleMessage));
  // A normal pane: prompts cover it while they are shown.
  statusBar()->addWidget(idle_, 1);
  lockKeys_ = new LockKeyPanes(statusBar());
}

void CMainFrame::RouteCommands() {
  connect(actions_.at(res::kIdSelect), &QAction::triggered, view_, &CKorvaleView::Select);
  connect(actions_.at(res::kIdClose), &QAction::triggered, view_, &CKorvaleView::Close);
  connect(actions_.at(res::kIdForward), &QAction::triggered, view_, &CKorvaleView::Forward);
  connect(actions_.at(res::kIdBack), &QAction::triggered, view_, &CKorvaleView::Back);
  connect(actions_.at(res::kIdExit), &QAction::triggered, this, &QWidget::close);
  connect(actions_.at(res::kIdAbout), &QAction::triggered, this,
          [this] { CAboutDlg(this).exec(); });
  connect(actions_.at(res::kIdViewToolBar), &QAction::triggered, toolBarRow_, &QWidget::setVisible);
  connect(actions_.at(res::kIdViewStatusBar), &QAction::triggered, statusBar(),
          &QWidget::setVisible);
  for (const auto& [id, action] : actions_) {
    connect(action, &QAction::triggered, &idleUpdate_, qOverload<>(&QTimer::start));
  }
}

void CMainFrame::UpdateCommandStates() {
  for (int id : res::kFormCommands) {
    actions_.at(id)->setEnabled(view_->IsCommandEnabled(id));
  }
  actions_.at(res::kIdViewToolBar)->setChecked(!toolBarRow_->isHidden());
  actions_.at(res::kIdViewStatusBar)->setChecked(!statusBar()->isHidden());
  toolBar_->UpdateButtons();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (MayChangeCommandStates(event->type()) && !idleUpdate_.isActive()) idleUpdate_.start();
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (std::exchange(placed_, true)) return;
  // The frame size is the whole window's, its frame included.
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  resize(kFrameSize.shrunkBy(frame));
  CenterOnScreen();
}

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty() &&
      MenuHighlighted()) {
    statusBar()->showMessage(QStringLiteral(" "));
    return true;
  }
  return QMainWindow::event(event);
}

bool CMainFrame::MenuHighlighted() const {
  if (menuBar()->activeAction() != nullptr) return true;
  const QList<QMenu*> menus = menuBar()->findChildren<QMenu*>();
  return std::any_of(menus.begin(), menus.end(), [](const QMenu* m) { return m->isVisible(); });
}

// A close that comes while one of the form's handlers runs (through the
// loop of its message box or file dialog) waits for it, then comes again.
void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!view_->CommitOnClose([this] { QTimer::singleShot(0, this, [this] { close(); }); })) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void CMainFrame::CommitSessionData() {
  (void)view_->CommitOnClose(
      [this] { QTimer::singleShot(0, this, &CMainFrame::CommitSessionData); });
}

void CMainFrame::CenterOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QSize outer = frameGeometry().size();
  move(available.center() - QPoint(outer.width() / 2, outer.height() / 2));
}
