#pragma once

// Lets the queued window messages run once (paints, timers, deferred layouts), so that a
// window just shown paints before the work that follows. User input waits: no click can
// slip into the middle of an operation.
void letPendingMessagesRun();
