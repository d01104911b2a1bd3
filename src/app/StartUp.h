#pragma once

#include <memory>

struct AppContext;
class TMainForm;

// The program's start-up on a context whose prompts are set: reads Set.ini and connects to the
// database ("数据库连接失败!" when that fails, and the login goes on with an empty user list),
// shows the login window modally and, after a successful sign-in, reads the settings and
// reconnects once more and shows the main window maximised. Returns the main window, or nullptr
// when no one signed in (the program then ends).
std::unique_ptr<TMainForm> StartUp(AppContext& context);
