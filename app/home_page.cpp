#include "app/home_page.h"

#include <QDesktopServices>

#include "library/ini_reader.h"

QUrl ShortcutTarget(const char* path) {
    IniFile ini;
    if (!LoadIniFile(path, &ini)) return {};
    char address[2048];
    GetIniString(ini, "InternetShortcut", "URL", "", address, sizeof address);
    const QUrl url(QString::fromLocal8Bit(address), QUrl::StrictMode);
    // Only addresses a browser should open: never run a program named here.
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https")) return {};
    return url;
}

void OpenHomePage() {
    const QUrl url = ShortcutTarget("larkspur.url");
    if (!url.isEmpty()) QDesktopServices::openUrl(url);
}
