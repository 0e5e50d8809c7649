// A library that makes a widget, for the test that the widget check sees it.
#include <QWidget>

void ShowWidget() { QWidget().show(); }
