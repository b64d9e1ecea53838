#pragma once
// The demo's IRS form: taxpayer identification (with NIF fields for taxpayers A and B), income
// and withholding fields in frames, a joint-declaration check box with a dependant's NIF field
// beside it, the bank account (NIB) for a refund, and buttons that check the fields and report
// in a status line. The NIF fields look taxpayers up through the library's taxpayer directory,
// so the host plugs that in before making the form.

#include <memory>

#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/controls/nib/cNIB.h"
#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::demo {

class IrsForm {
 public:
  IrsForm(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  platform::TextBox& Name() { return *m_name; }
  cNIF& Nif() { return *m_nif; }
  cNIF& NifB() { return *m_nifB; }
  cNIF& NifDependant() { return *m_nifDependant; }
  platform::TextBox& Income() { return *m_income; }
  platform::TextBox& Withheld() { return *m_withheld; }
  platform::CommandButton& Check() { return *m_check; }
  platform::Label& Status() { return *m_status; }
  InfoButton& NifHelp() { return *m_nifHelp; }
  cNIB& RefundAccount() { return *m_refundAccount; }

 private:
  platform::TextBox& AddField(platform::Window& frame, const char* caption, const char* name,
                              int top, int tabIndex);
  platform::Label& AddCaption(platform::Window& frame, const char* caption, const char* name,
                              platform::Rect bounds, int tabIndex);
  std::unique_ptr<cNIF> MakeNifField(platform::Window& frame, const char* name,
                                     platform::Rect bounds, int tabIndex);
  InfoButton& AddHelp(platform::Window& frame, const char* name, int top, const char* tip);
  void AddRefundAccount();
  void CheckFields();

  platform::Form m_form;
  platform::TextBox* m_name{nullptr};
  platform::TextBox* m_address{nullptr};
  platform::TextBox* m_income{nullptr};
  platform::TextBox* m_withheld{nullptr};
  platform::CheckBox* m_joint{nullptr};
  platform::CommandButton* m_check{nullptr};
  platform::CommandButton* m_close{nullptr};
  platform::Label* m_status{nullptr};
  InfoButton* m_nifHelp{nullptr};
  platform::Desktop& m_desktop;
  LibraryState& m_library;
  std::unique_ptr<cNIF> m_nif;
  std::unique_ptr<cNIF> m_nifB;
  std::unique_ptr<cNIF> m_nifDependant;
  std::shared_ptr<cNIB> m_refundAccount;
};

}  // namespace qorvexctl::demo
