// Hands the About texts to the platform's About window.
#include "about/about_window.h"

#include "about/about_text.h"
#include "platform/platform.h"

AboutWindow::AboutWindow(void* moduleInstance, int showCode) {
    const platform::AboutContent content{about::kHeading, about::kText, about::kButton,
                                         about::kWebsiteUrl};
    platform::runAboutWindow(moduleInstance, showCode, content);
}
