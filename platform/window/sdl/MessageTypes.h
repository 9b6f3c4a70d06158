// Inside the window layer: the queue's own message types.
#pragma once

namespace trovane::platform {

// Reserves the event types of our own messages; after the video system opens.
bool registerMessageTypes();

// Queues a Timer message; called on the timer thread.
void postTimerTick(unsigned timerId);

} // namespace trovane::platform
