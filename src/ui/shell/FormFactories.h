#pragma once

// Makes every window of the program known to the registry by its name, so
// windows can open one another by name alone.
void registerForms();
