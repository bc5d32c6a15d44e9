#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/control_ids.h"
#include "app/main_dlg.h"

namespace ombrelune {

namespace {

// The window's own About entry, with its access key.
const QString kAboutEntry = QStringLiteral("&A propos de ombrelune...");

}  // namespace

void CMainDlg::BuildMenuBar() {
  menuBar = new QMenuBar(this);
  // Inside the window on every desktop, so that the layout below it holds.
  menuBar->setNativeMenuBar(false);

  auto add = [this](QMenu* menu, int id, const QString& text, void (CMainDlg::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::number(id));
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    menuActions.insert(id, action);
    return action;
  };

  QMenu* file = menuBar->addMenu(QStringLiteral("Fichier"));
  // The action ticks itself before it reports the click; ToggleLoadAtStart then
  // sets the mark from the flag, so the two never disagree.
  add(file, ids::MenuLoadAtStart, QStringLiteral("Charger la dernière config"),
      &CMainDlg::ToggleLoadAtStart)
      ->setCheckable(true);
  file->addSeparator();
  add(file, ids::MenuLoadConfig, QStringLiteral("Charger"), &CMainDlg::OnLoadConfigFile);
  add(file, ids::MenuSaveConfig, QStringLiteral("Sauvegarder"), &CMainDlg::OnSaveConfigFile);
  file->addSeparator();
  // Closes the way the close box does, without reading the fields.
  QAction* quit = file->addAction(QStringLiteral("Quitter"));
  quit->setObjectName(QString::number(ids::MenuQuit));
  connect(quit, &QAction::triggered, this, &QWidget::close);
  menuActions.insert(ids::MenuQuit, quit);

  QMenu* help = menuBar->addMenu(QStringLiteral("?"));
  add(help, ids::MenuCheckUpdate, QStringLiteral("Recherche de mise à jour"),
      &CMainDlg::OnCheckUpdate);
  add(help, ids::MenuAbout, QStringLiteral("A propos ..."), &CMainDlg::OnAboutBox);
}

// There is no system menu to extend under X11 (the window manager owns it), so
// the About entry goes into the window's own context menu: a right click on
// the window's background, its texts or group boxes.
void CMainDlg::AddAboutToWindowMenu() {
  if (kAboutEntry.isEmpty()) return;
  auto* about = new QAction(kAboutEntry, this);
  connect(about, &QAction::triggered, this, &CMainDlg::OnAboutBox);
  addAction(about);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace ombrelune
