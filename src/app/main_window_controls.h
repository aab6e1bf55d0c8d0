#pragma once

#include "app/find_bar.h"
#include "app/main_menu_bar.h"
#include "app/picture_button.h"
#include "app/status_bar.h"
#include "app/views_behind_bar.h"

#include <gtkmm/entry.h>
#include <gtkmm/levelbar.h>
#include <gtkmm/notebook.h>

#include <string>

namespace quillet {

// The controls of the main window, by their own names.
struct MainWindowControls {
    MainWindowControls();

    // Puts `mark` after the captions of the "Source Code" and "Images" tabs; empty for none.
    void mark_generated_tabs(const std::string& mark);

    MainMenuBar menu_bar;
    PictureButton cmbBack;
    PictureButton cmdForward;
    PictureButton cmdStop;
    PictureButton cmdRefresh;
    PictureButton cmdBackDir;
    PictureButton Command1;
    PictureButton cmdWebsite;
    Gtk::Entry Text1;
    Gtk::Entry txtUrl;
    PictureButton cmdGo;
    Gtk::Notebook TabStrip1;
    StatusBar sb1;
    Gtk::LevelBar pb1;
    ViewsBehindBar views_behind; // over the top edge of the views
    FindBar find_bar;            // over the top right corner of the views
};

}
