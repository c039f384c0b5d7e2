#pragma once
// The running process as a whole: single instance, the program file's location and arguments,
// termination.
