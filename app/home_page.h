// The Home page command: opens the address of the internet shortcut file
// "larkspur.url" in the current directory with the desktop's browser.
#pragma once

#include <QUrl>

// The URL= value of the [InternetShortcut] section of a shortcut file;
// empty when the file or the key is missing or the address is not a web
// address.
QUrl ShortcutTarget(const char* path);

// Opens the home page; failures are not reported (the desktop shows what it
// shows).
void OpenHomePage();
