// One game per desktop session: a second start hands over to the first.
#pragma once

#include <QString>
#include <functional>

class QLocalServer;

// The local socket name shared by the instances of one user on one display.
// POLYSHARD_INSTANCE, when set, replaces the display part (to run separate
// games side by side, as the tests do).
QString InstanceName(const char* className);

// Asks a running instance to come to the front. True when one answered.
bool ActivateRunningInstance(const QString& name);

// Starts listening for later starts; each one calls activate. Returns the
// server (owned by the caller), or null when listening failed.
QLocalServer* ListenForLaterStarts(const QString& name, std::function<void()> activate);
