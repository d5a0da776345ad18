#include <gtest/gtest.h>

#include <string>

#include "registry_subject.h"

namespace {

using os::RegistryError;
using os::RegistryKey;
using os::RegistryType;

class RegistryContract : public testing::Test {
 protected:
  RegistryKey Below(const std::string& path) const { return {base.root, base.path + "\\" + path}; }

  std::unique_ptr<contract::RegistrySubject> subject = contract::MakeRegistrySubject();
  os::Registry& registry = subject->Registry();
  const RegistryKey base = subject->TestKey();
};

TEST_F(RegistryContract, MissingKey) {
  EXPECT_FALSE(registry.KeyExists(base));
  std::string text = "kept";
  std::uint32_t number = 7;
  EXPECT_EQ(registry.ReadString(base, "Folder", text), RegistryError::NotFound);
  EXPECT_EQ(registry.ReadInteger(base, "Top", number), RegistryError::NotFound);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(number, 7u);
  EXPECT_FALSE(registry.ValueType(base, "Top"));
  EXPECT_FALSE(registry.ValueExists(base, ""));
  EXPECT_EQ(registry.WriteString(base, "Folder", "C:\\"), RegistryError::NotFound);
  EXPECT_EQ(registry.DeleteValue(base, "Folder"), RegistryError::NotFound);
  EXPECT_EQ(registry.DeleteKey(base), RegistryError::NotFound);
  EXPECT_FALSE(registry.KeyExists(base));
}

TEST_F(RegistryContract, CreateKeyMakesParentsAndKeepsAnExistingKey) {
  ASSERT_EQ(registry.CreateKey(Below("MIDI Tunora\\Options")), RegistryError::None);
  EXPECT_TRUE(registry.KeyExists(base));
  EXPECT_TRUE(registry.KeyExists(Below("MIDI Tunora")));
  ASSERT_EQ(registry.WriteInteger(Below("MIDI Tunora\\Options"), "Top", 12), RegistryError::None);
  ASSERT_EQ(registry.CreateKey(Below("MIDI Tunora\\Options")), RegistryError::None);
  EXPECT_TRUE(registry.ValueExists(Below("MIDI Tunora\\Options"), "Top"));
}

TEST_F(RegistryContract, ValuesReadBackWithTheirTypes) {
  ASSERT_EQ(registry.CreateKey(base), RegistryError::None);
  ASSERT_EQ(registry.WriteString(base, "", "MIDI Tunora Configuration Key"), RegistryError::None);
  ASSERT_EQ(registry.WriteString(base, "MIDIDirectory", "C:\\Program Files\\MIDI"), RegistryError::None);
  ASSERT_EQ(registry.WriteString(base, "Empty", ""), RegistryError::None);
  ASSERT_EQ(registry.WriteString(base, "Long", std::string(5000, 'x')), RegistryError::None);
  ASSERT_EQ(registry.WriteInteger(base, "SKIP", 0xFFFFFFFB), RegistryError::None);
  ASSERT_EQ(registry.WriteInteger(base, "Hide", 0), RegistryError::None);

  std::string text;
  EXPECT_EQ(registry.ReadString(base, "", text), RegistryError::None);
  EXPECT_EQ(text, "MIDI Tunora Configuration Key");
  EXPECT_EQ(registry.ReadString(base, "MIDIDirectory", text), RegistryError::None);
  EXPECT_EQ(text, "C:\\Program Files\\MIDI");
  EXPECT_EQ(registry.ReadString(base, "Empty", text), RegistryError::None);
  EXPECT_EQ(text, "");
  EXPECT_EQ(registry.ReadString(base, "Long", text), RegistryError::None);
  EXPECT_EQ(text, std::string(5000, 'x'));
  std::uint32_t number = 0;
  EXPECT_EQ(registry.ReadInteger(base, "SKIP", number), RegistryError::None);
  EXPECT_EQ(number, 0xFFFFFFFBu);
  EXPECT_EQ(registry.ReadInteger(base, "Hide", number), RegistryError::None);
  EXPECT_EQ(number, 0u);

  EXPECT_EQ(registry.ValueType(base, ""), RegistryType::String);
  EXPECT_EQ(registry.ValueType(base, "Empty"), RegistryType::String);
  EXPECT_EQ(registry.ValueType(base, "SKIP"), RegistryType::Integer);
}

TEST_F(RegistryContract, MissingValueInAnExistingKey) {
  ASSERT_EQ(registry.CreateKey(base), RegistryError::None);
  std::string text;
  std::uint32_t number = 0;
  EXPECT_EQ(registry.ReadString(base, "AutoLoadList", text), RegistryError::NotFound);
  EXPECT_EQ(registry.ReadString(base, "", text), RegistryError::NotFound);
  EXPECT_EQ(registry.ReadInteger(base, "LastOne", number), RegistryError::NotFound);
  EXPECT_FALSE(registry.ValueExists(base, "LastOne"));
  EXPECT_EQ(registry.DeleteValue(base, "LastOne"), RegistryError::NotFound);
}

TEST_F(RegistryContract, WrongTypeIsRefused) {
  ASSERT_EQ(registry.CreateKey(base), RegistryError::None);
  ASSERT_EQ(registry.WriteString(base, "LoopPlay", "1"), RegistryError::None);
  ASSERT_EQ(registry.WriteInteger(base, "ListDirectory", 1), RegistryError::None);
  std::uint32_t number = 9;
  std::string text = "kept";
  EXPECT_EQ(registry.ReadInteger(base, "LoopPlay", number), RegistryError::WrongType);
  EXPECT_EQ(registry.ReadString(base, "ListDirectory", text), RegistryError::WrongType);
  EXPECT_EQ(number, 9u);
  EXPECT_EQ(text, "kept");
}

TEST_F(RegistryContract, BinaryValuesAreNeitherIntegersNorStrings) {
  // Four bytes, the size of an integer, and text bytes with their NUL.
  subject->WriteBinary(base, "Top", std::string("\x28\0\0\0", 4));
  subject->WriteBinary(base, "MIDIDirectory", std::string("C:\\\0", 4));
  EXPECT_EQ(registry.ValueType(base, "Top"), RegistryType::Binary);
  std::uint32_t number = 9;
  std::string text = "kept";
  EXPECT_EQ(registry.ReadInteger(base, "Top", number), RegistryError::WrongType);
  EXPECT_EQ(registry.ReadString(base, "MIDIDirectory", text), RegistryError::WrongType);
  EXPECT_EQ(number, 9u);
  EXPECT_EQ(text, "kept");
}

TEST_F(RegistryContract, ExpandStringReadsAsStringUnexpanded) {
  ASSERT_EQ(registry.CreateKey(base), RegistryError::None);
  ASSERT_EQ(registry.WriteExpandString(base, "Folder", "%WINDIR%\\Media"), RegistryError::None);
  EXPECT_EQ(registry.ValueType(base, "Folder"), RegistryType::ExpandString);
  std::string text;
  EXPECT_EQ(registry.ReadString(base, "Folder", text), RegistryError::None);
  EXPECT_EQ(text, "%WINDIR%\\Media");
  std::uint32_t number = 0;
  EXPECT_EQ(registry.ReadInteger(base, "Folder", number), RegistryError::WrongType);
}

TEST_F(RegistryContract, WritingReplacesAValueOfAnotherType) {
  ASSERT_EQ(registry.CreateKey(base), RegistryError::None);
  ASSERT_EQ(registry.WriteString(base, "WAIT", "3"), RegistryError::None);
  ASSERT_EQ(registry.WriteInteger(base, "WAIT", 3), RegistryError::None);
  EXPECT_EQ(registry.ValueType(base, "WAIT"), RegistryType::Integer);
}

TEST_F(RegistryContract, NamesIgnoreCase) {
  ASSERT_EQ(registry.CreateKey(Below("MIDI Tunora\\Options")), RegistryError::None);
  ASSERT_EQ(registry.WriteString(Below("MIDI Tunora\\Options"), "AutoLoadList", "C:\\a.mpl"), RegistryError::None);
  const RegistryKey otherCase = Below("midi tunora\\OPTIONS");
  EXPECT_TRUE(registry.KeyExists(otherCase));
  std::string text;
  EXPECT_EQ(registry.ReadString(otherCase, "AUTOLOADLIST", text), RegistryError::None);
  EXPECT_EQ(text, "C:\\a.mpl");
  ASSERT_EQ(registry.WriteString(otherCase, "autoloadlist", "C:\\b.mpl"), RegistryError::None);
  EXPECT_EQ(registry.ReadString(Below("MIDI Tunora\\Options"), "AutoLoadList", text), RegistryError::None);
  EXPECT_EQ(text, "C:\\b.mpl");
  EXPECT_EQ(registry.DeleteValue(otherCase, "AUTOloadLIST"), RegistryError::None);
  EXPECT_FALSE(registry.ValueExists(Below("MIDI Tunora\\Options"), "AutoLoadList"));
}

TEST_F(RegistryContract, DeleteKeyTakesItsSubkeysAndValues) {
  ASSERT_EQ(registry.CreateKey(Below("MIDI Tunora\\Options\\Deeper")), RegistryError::None);
  ASSERT_EQ(registry.CreateKey(Below("MIDI Tunora\\Folder")), RegistryError::None);
  ASSERT_EQ(registry.CreateKey(Below("Other")), RegistryError::None);
  ASSERT_EQ(registry.WriteString(Below("MIDI Tunora\\Folder"), "", "C:\\Tunora"), RegistryError::None);
  ASSERT_EQ(registry.WriteInteger(Below("MIDI Tunora\\Options\\Deeper"), "Top", 1), RegistryError::None);

  EXPECT_EQ(registry.DeleteKey(Below("midi tunora")), RegistryError::None);
  EXPECT_FALSE(registry.KeyExists(Below("MIDI Tunora\\Options\\Deeper")));
  EXPECT_FALSE(registry.KeyExists(Below("MIDI Tunora")));
  EXPECT_TRUE(registry.KeyExists(Below("Other")));
  EXPECT_EQ(registry.DeleteKey(Below("MIDI Tunora")), RegistryError::NotFound);
}

TEST_F(RegistryContract, AKeyIsEmptyWithoutValuesAndSubkeys) {
  EXPECT_FALSE(registry.KeyIsEmpty(base)) << "a missing key is not an empty one";
  ASSERT_EQ(registry.CreateKey(Below("MIDI Tunora")), RegistryError::None);
  EXPECT_FALSE(registry.KeyIsEmpty(base));
  EXPECT_TRUE(registry.KeyIsEmpty(Below("MIDI Tunora")));

  ASSERT_EQ(registry.WriteString(Below("MIDI Tunora"), "", "MIDI Tunora Configuration Key"), RegistryError::None);
  EXPECT_FALSE(registry.KeyIsEmpty(Below("MIDI Tunora"))) << "the default value counts";
  ASSERT_EQ(registry.DeleteValue(Below("MIDI Tunora"), ""), RegistryError::None);
  EXPECT_TRUE(registry.KeyIsEmpty(Below("MIDI Tunora")));

  ASSERT_EQ(registry.DeleteKey(Below("MIDI Tunora")), RegistryError::None);
  EXPECT_TRUE(registry.KeyIsEmpty(base));
}

}  // namespace
