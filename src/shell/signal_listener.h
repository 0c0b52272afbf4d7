#pragma once
// The pipe-listener thread of the tray application: it serves the pipe forever, one
// connection at a time, and hands every decoded message to the user-interface thread.

#include <functional>
#include <memory>
#include <string>

#include "platform/pipe.h"
#include "shell/signal_channel.h"

namespace burrowly {

// Waits for one client, reads its batch and pushes each message it holds, calling
// wake after each push. Returns at once when no client could be accepted.
void serve_one_connection(PipeServer& server, SignalChannel& channel, const std::function<void()>& wake);

// Starts the thread serving pipe_name; it runs until the process ends and is never
// joined. False when the thread cannot be started.
bool start_signal_listener(std::shared_ptr<SignalChannel> channel, std::string pipe_name,
                           std::function<void()> wake);

}  // namespace burrowly
