// One game per desktop session: a second start hands over to the first.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

// The folder for the instance socket, one only this user can use:
// $XDG_RUNTIME_DIR when set, else "polyshard-<uid>" in the temporary folder,
// created with mode 0700 and used only while it is this user's own folder
// of that mode. Empty when there is no such folder.
QString InstanceFolder();

// The socket path shared by the instances of one user on one display, or
// empty without an InstanceFolder. POLYSHARD_INSTANCE, when set, replaces
// the display part (to run separate games side by side, as the tests do).
QString InstanceName(const char* className);

// Asks a running instance to come to the front. True when one answered.
bool ActivateRunningInstance(const QString& name);

// Claims the name for this process and listens for later starts; each one
// calls activate. The claim is a lock file beside the socket, held while
// the server lives, so that of two starts at once only one listens; a lock
// or socket left by a crashed run does not count. Returns the server (owned
// by the caller), or null when another process holds the claim or
// listening failed.
QLocalServer* ListenForLaterStarts(const QString& name, std::function<void()> activate);

// The start rule, run before the window is built: hands over to a running
// instance (true: this process should end), or claims the name, setting
// *server. Without a name, or when no claim can be had in a few seconds,
// the game starts without one rather than not at all.
bool HandOverToRunningInstance(const QString& name, std::function<void()> activate,
                               std::unique_ptr<QLocalServer>* server);
