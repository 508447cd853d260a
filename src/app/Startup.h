#pragma once

#include <exception>

// The program from its entry point to the event loop and back out.

// The whole run: start-up, the event loop, finalisation; returns the exit
// status.
int RunProgram(int argc, char** argv);

// Installs the exception helper, initialises the framework with Startup,
// then runs the event loop.
void Main();
// Called once by framework initialisation.
void Startup();
// Creates and registers the application object with its menu bar.
void NewAppInstance();
// Registers the program's file types: one plain-text type.
void InitFileTypes();
// The program has no application-level menu handlers.
void ApplicationAddMenuHandlers();
// Releases the module globals at the end of the run.
void Finalize();

// Calls function with argument; returns nil, or the RuntimeException that
// escaped it. Any other exception passes through.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);
