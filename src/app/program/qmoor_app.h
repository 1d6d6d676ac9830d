// CQmoorApp: the application object. Start-up builds the view with its
// widget form, the empty document and the one frame, runs the view's initial
// update, loads a file named on the command line and shows the window; then
// it runs the window, or, for --screenshot, replays a qmoor-drive script on
// the view and saves a picture of the window or of one tool window.
//
// The path of a user's action: a widget of the FormWidget lets the control
// model take the change and calls CQmoorView::notify (a menu command calls
// CQmoorView::command); the view's operation writes its answer into the
// control models, and the FormWidget syncs the widgets of the controls that
// changed.
#pragma once

#include <QStringList>
#include <memory>

#include "app/main_window/dialog_host.h"
#include "app/program/launch_options.h"
#include "app/program/qmoor_doc.h"
#include "view/view.h"

namespace qmoor {

class CMainFrame;
class FormWidget;

class CQmoorApp {
 public:
  CQmoorApp();
  ~CQmoorApp();
  CQmoorApp(const CQmoorApp&) = delete;
  CQmoorApp& operator=(const CQmoorApp&) = delete;

  // Start-up for the command line (the program's name first). False when the
  // command line cannot be used; the reason is on standard error.
  bool InitInstance(const QStringList& arguments);
  // After start-up: the window's event loop, or the script and the picture
  // for --screenshot. The exit status.
  int Run();

  CMainFrame& frame() { return *frame_; }
  FormWidget& form() { return *form_; }
  CQmoorView& view() { return view_; }
  DialogHost& host() { return host_; }

 private:
  int takeScreenshot();

  DialogHost host_;
  CQmoorView view_{host_};
  CQmoorDoc document_;
  LaunchOptions options_;
  std::unique_ptr<CMainFrame> frame_;
  FormWidget* form_ = nullptr;  // owned by the frame
};

}  // namespace qmoor
