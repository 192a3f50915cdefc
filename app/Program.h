#pragma once
// The program's entry and start-up.

// Starts the framework, runs Main, then lets go of the module-level objects.
int ProgramEntry(int argc, char** argv);
// The start-up sequence and the event loop, inside the one handler that
// reports what nothing else caught.
void Main();
// The program registers no document file types.
void InitFileTypes();
// Makes the application object, gives it the menu bar, then registers it.
void NewAppInstance();
// Binds the application's three menu handlers by item name.
void ApplicationAddMenuHandlers();
