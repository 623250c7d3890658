// The element probe's sources as the system offers them, for the probe's worker thread.
#pragma once
#include <memory>

#include "main/element/element_facts.h"

// Made on the worker thread and destroyed there: the thread joins COM's multithreaded
// apartment, then UI Automation where its client object can be created, Active Accessibility
// where it cannot or where a query of it fails.
std::unique_ptr<ElementSource> MakeSystemElementSource();

// Whether this system can tell elements at all (Active Accessibility, which every system with
// UI Automation has too); the element lines are hidden where it cannot, as on Windows 95 and
// NT 4 without the accessibility update. Loads oleacc for the question and lets it go.
bool SystemHasElementSource();
