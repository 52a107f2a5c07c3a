#pragma once
// The help manual: the HTML pages in the "help" folder beside the program, opened in the
// system's browser. A missing page or a browser that cannot be started is told to the user.

#include <QString>

class QWidget;

namespace kesto::gui {

// <folder of the program>/help
QString HelpFolder();

// Help, "&Contents": help/index.html. False when it could not be shown.
bool ShowHelpContents(QWidget* parent);
// Help, "&Topic search": help/search.html.
bool ShowHelpSearch(QWidget* parent);
// Help, "&Dealing to a plan", and the plan dialog's Help: help/plans.html.
bool ShowHelpPlans(QWidget* parent);
// The about box's link: help/about.html, the manual's page about Kesto and its version.
bool ShowHelpAbout(QWidget* parent);

}  // namespace kesto::gui
