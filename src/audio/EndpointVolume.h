#pragma once
// The default output device's master volume and mute. One process-wide endpoint, opened by
// InitAudioEndpoint; every write touches the device only when it differs from what it reports.

// Opens (or re-opens) the default output device. When the device enumerator cannot be made,
// the endpoint held so far stays in use.
void InitAudioEndpoint();
// Lets the endpoint go; the program calls it before it leaves its COM apartment.
void ReleaseAudioEndpoint();
bool HasAudioEndpoint();

// False without an endpoint.
bool GetEndpointMute();
// False without an endpoint, else true.
bool SetEndpointMute(bool wanted);
// 0..100, or -1 without an endpoint (or when the device does not answer).
int GetEndpointVolume();
// Answers percent, or -1 without an endpoint.
int SetEndpointVolume(int percent);
