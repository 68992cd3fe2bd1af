// A run of the analysis from the application: the parameters dialog, then the
// search on a worker thread while the progress dialog shows how far it got.
#pragma once

class QWidget;

namespace orbica {

class CAnalysis;
class CApp;
class Notifier;

// The search of the parameters `analysis` holds, on its own thread, behind the
// modal progress dialog. The worker's messages are shown through `notifier` on
// this (the user-interface) thread. True when the run completed and its results
// replaced the previous ones; after Stop the previous results stay.
bool RunSearch(CAnalysis& analysis, Notifier& notifier, QWidget* parent);

// The parameters dialog, then the search: true when a run completed.
bool RunAnalysis(CApp& app, QWidget* parent);

}  // namespace orbica
