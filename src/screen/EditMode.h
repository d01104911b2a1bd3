#pragma once

// What an add/edit dialog or page is doing: only showing (Browse), adding a new record, or
// editing the one it was opened on.
enum class EditMode { Browse, Add, Edit };
