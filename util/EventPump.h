#pragma once

// Long operations (loading and saving stores, enciphering, imports, check runs) call
// PumpEvents between items so that the window keeps repainting. It processes pending
// events at most every 30 ms and does nothing when there is no application object
// (command-line tool, benchmarks), so calling it per item is cheap.
void PumpEvents();
