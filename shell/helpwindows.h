#pragma once
// The Help menu's windows: the user's guide, read offline from the README and its
// pictures built into the program, and the About box.

class QWidget;

// Shows the guide, the open one when there is one.
void showUserGuide(QWidget* parent);
// The version, Qt's version and licence, and where the study file lies.
void showAbout();
