// Resource and control ids of the stand-in panel. The three device lists
// and OK/Cancel carry the ids a program driving the panel relies on.
#pragma once

#define IDD_SOUNDPANEL 100
#define IDD_DEVICEPAGE 101
#define IDD_DEVICEPAGE_TWO 102
#define IDS_APPLET_NAME 200
#define IDS_APPLET_INFO 201

#define IDC_PLAYBACK_LIST 6662
#define IDC_RECORDING_LIST 6663
#define IDC_MIDI_LIST 6664
