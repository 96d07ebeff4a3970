// What the audio libraries print goes into the engine's log instead of the console: OpenAL Soft writes its
// log into an anonymous in-memory file, ALSA its errors to a handler of ours. A user's own ALSOFT_LOGFILE
// or ALSOFT_LOGLEVEL is kept.
#pragma once

namespace AudioLibraryLog {

// Before the first OpenAL call, which reads the library's log settings; later calls do nothing.
void capture();
// What the libraries have said since the last copy, a line each. After the first OpenAL call.
void copyToEngineLog();

} // namespace AudioLibraryLog
