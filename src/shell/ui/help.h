// The help service: shows a topic by context number, or the contents, in the program's own viewer.
#pragma once

#include <QString>

class QWidget;

namespace orb::help {

// The help file of the current language: the product title followed by ".hlp".
QString helpFileName();
void showTopic(int context, QWidget* parent = nullptr);
void showContents(QWidget* parent = nullptr);
// The HTML of a topic or of the contents page, in the current language.
QString topicHtml(int context);
QString contentsHtml();

}  // namespace orb::help
