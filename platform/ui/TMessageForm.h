// The message box: a small modal form with the text, one OK button, the
// caption, and an error sign for errors.
#pragma once

#include <string>

#include "TCustomForm.h"

class TButton;
class TLabel;

class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* AOwner, const std::string& Text, const std::string& Caption, bool ErrorIcon);
  std::string ClassName() const override { return "TMessageForm"; }
  TLabel* Message() const { return message_; }
  TButton* OkButton() const { return ok_; }

 protected:
  void Paint() override;

 private:
  TLabel* message_;
  TButton* ok_;
  bool errorIcon_;
};

// Shows a message box modally; returns IDOK.
int ShowMessageForm(const std::string& Text, const std::string& Caption, int Flags);
