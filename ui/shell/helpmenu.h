#pragma once

class QMenu;
class QMenuBar;
class QWidget;

// The "&Help" menu both windows share: Contents (F1), Index, the maker's web
// site and the About box, shown modally over `owner`.
QMenu *addHelpMenu(QMenuBar *menuBar, QWidget *owner, const char *aboutCaption);
