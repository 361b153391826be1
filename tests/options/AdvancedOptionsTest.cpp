#include "options/AdvancedOptions.h"

#include <gtest/gtest.h>

#include "tests/options/OptionsWorld.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessCheckBox.h"
#include "ui/headless/HeadlessEdit.h"
#include "ui/headless/HeadlessForm.h"

namespace {

using platform::RegValue;
using Texts = std::vector<std::string>;

class AdvancedOptionsTest : public testsupport::OptionsWorld {
 protected:
  // The Advanced Options button's handler with the user's part in the dialog; whether the
  // dialog was shown.
  bool Press(std::function<void(ui::Form&)> user) {
    bool shown = false;
    kit.App().ExpectModal([&shown, user = std::move(user)](ui::Form& dialog) {
      shown = true;
      user(dialog);
    });
    kit.App().Dispatch([this] { ShowAdvancedOptions(kit, *mainWindow, store, shell_, State()); });
    return shown;
  }
  static ui::HeadlessEdit& Edit(ui::Form& dialog, const char* name) {
    return Find<ui::HeadlessEdit>(dialog, name);
  }
  static Texts EditTexts(ui::Form& dialog) {
    Texts texts;
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
      texts.push_back(Edit(dialog, name).Text());
    }
    return texts;
  }
  static void ClickButton(ui::Form& dialog, const char* name) {
    EXPECT_TRUE(Find<ui::HeadlessButton>(dialog, name).Click());
  }
  static bool Overwrite(ui::Form& dialog) {
    return Find<ui::HeadlessCheckBox>(dialog, "CheckBox1").Checked();
  }
  void StoreProperties(const Texts& texts) {
    const char* names[] = {"Title", "Subject", "Author", "Keywords"};
    for (size_t i = 0; i < 4; ++i) SetString(names[i], texts[i]);
  }
  Texts StoredProperties() {
    Texts texts;
    for (const char* name : {"Title", "Subject", "Author", "Keywords"}) {
      const auto value = Value(name);
      texts.push_back(value && value->type == platform::RegType::Sz ? value->text : "(none)");
    }
    return texts;
  }
  Texts Fields() const { return {DocTitle, DocSubject, DocAuthor, DocKeywords}; }
};

TEST_F(AdvancedOptionsTest, CancelWritesBackWhatWasReadAndTheOverwriteChoiceButNotThePath) {
  InstallDriverKey();
  StoreProperties({"Report", "Q3", "Ann", "sales; pdf"});
  SetString("AutomaticPath", "C:\\OUT");
  SetDword("AutomaticOutput", 0);
  Texts shown;
  const bool opened = Press([&](ui::Form& dialog) {
    EXPECT_TRUE(static_cast<ui::HeadlessForm&>(dialog).Modal());
    EXPECT_EQ(dialog.Owner(), mainWindow.get());
    shown = EditTexts(dialog);
    EXPECT_TRUE(Overwrite(dialog));
    Edit(dialog, "Edit1").Type("Changed");
    ClickButton(dialog, "Button2");
    EXPECT_FALSE(dialog.Visible());
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(shown, (Texts{"Report", "Q3", "Ann", "sales; pdf"}));
  EXPECT_EQ(Fields(), (Texts{"Report", "Q3", "Ann", "sales; pdf"}));
  EXPECT_EQ(StoredProperties(), (Texts{"Report", "Q3", "Ann", "sales; pdf"}));
  EXPECT_EQ(Value("AutomaticOutput"), RegValue::Dword(3));
  EXPECT_EQ(Value("AutomaticPath"), RegValue::String("C:\\OUT"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AdvancedOptionsTest, UncheckingAndOkKeepsFilesAndTheNextDialogOpensUnchecked) {
  InstallDriverKey();
  Press([&](ui::Form& dialog) {
    Find<ui::HeadlessCheckBox>(dialog, "CheckBox1").Click();
    ClickButton(dialog, "Button1");
  });
  EXPECT_EQ(OverwriteMode, 1);
  EXPECT_EQ(Value("AutomaticOutput"), RegValue::Dword(1));

  bool checked = true;
  Press([&](ui::Form& dialog) {
    checked = Overwrite(dialog);
    static_cast<ui::HeadlessForm&>(dialog).ClickCloseBox();
  });
  EXPECT_FALSE(checked);
  EXPECT_EQ(OverwriteMode, 1);
  SetDword("AutomaticOutput", 0);
  Press([&](ui::Form& dialog) { ClickButton(dialog, "Button2"); });
  EXPECT_EQ(Value("AutomaticOutput"), RegValue::Dword(1));
}

TEST_F(AdvancedOptionsTest, OkStoresTheTextsExactlyAsTypedEvenWhenEmpty) {
  InstallDriverKey();
  StoreProperties({"Report", "Q3", "Ann", "sales"});
  Press([&](ui::Form& dialog) {
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) Edit(dialog, name).Type("");
    ClickButton(dialog, "Button1");
  });
  EXPECT_EQ(Fields(), (Texts{"", "", "", ""}));
  EXPECT_EQ(StoredProperties(), (Texts{"", "", "", ""}));
  EXPECT_EQ(OverwriteMode, 3);

  Press([&](ui::Form& dialog) {
    Edit(dialog, "Edit1").Type("  Größe & Maß ");
    ClickButton(dialog, "Button1");
  });
  EXPECT_EQ(Value("Title"), RegValue::String("  Größe & Maß "));
}

TEST_F(AdvancedOptionsTest, AMissingValueEmptiesItsFieldAndIsWrittenAsEmptyText) {
  InstallDriverKey();
  SetString("Subject", "Q3");
  DocTitle = "from before";
  Texts shown;
  Press([&](ui::Form& dialog) {
    shown = EditTexts(dialog);
    ClickButton(dialog, "Button2");
  });
  EXPECT_EQ(shown, (Texts{"", "Q3", "", ""}));
  EXPECT_EQ(StoredProperties(), (Texts{"", "Q3", "", ""}));
}

TEST_F(AdvancedOptionsTest, AValueOfAnotherTypeStopsTheHandlerBeforeTheDialog) {
  InstallDriverKey();
  StoreProperties({"Report", "Q3", "Ann", "sales"});
  SetDword("Author", 7);
  const bool opened = Press([](ui::Form& dialog) { dialog.Close(); });
  EXPECT_FALSE(opened);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Invalid data type for 'Author'");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Stop);
  EXPECT_FALSE(Value("AutomaticOutput").has_value());
  EXPECT_EQ(Value("Author"), RegValue::Dword(7));
}

TEST_F(AdvancedOptionsTest, WithoutTheDriverKeyNothingIsReadWrittenOrCreated) {
  DocTitle = "kept";
  DocKeywords = "also kept";
  Texts shown;
  std::string note;
  const bool opened = Press([&](ui::Form& dialog) {
    shown = EditTexts(dialog);
    note = Find<ui::Label>(dialog, "Label5").Caption();
    ClickButton(dialog, "Button1");
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(shown, (Texts{"kept", "", "", "also kept"}));
  EXPECT_EQ(note, "***No Fonts Embeded***. If you wish to embed fonts, click the button.");
  EXPECT_FALSE(store.KeyExists(testsupport::kDriverKeyPath));
  EXPECT_FALSE(store.KeyExists("\\Software\\Quillby"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AdvancedOptionsTest, ABrokenFontCountIsReportedAndTheExchangeGoesOn) {
  InstallDriverKey();
  StoreProperties({"Report", "Q3", "Ann", "sales"});
  SetString("EmbedNum", "many");
  const bool opened = Press([&](ui::Form& dialog) {
    Edit(dialog, "Edit3").Type("Bea");
    ClickButton(dialog, "Button1");
  });
  EXPECT_TRUE(opened);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Invalid data type for 'EmbedNum'");
  EXPECT_EQ(Value("Author"), RegValue::String("Bea"));
  EXPECT_EQ(Value("AutomaticOutput"), RegValue::Dword(3));
}

}  // namespace
