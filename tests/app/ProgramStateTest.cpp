#include <gtest/gtest.h>

#include <filesystem>

#include "app/ProgramState.h"
#include "tests/support/TempDir.h"

namespace {

TEST(ProgramStateTest, FoldersAndStartValues) {
  testsupport::TempDir Dir;
  const String Root = S(Dir.Path().string());
  TProgramState State(Root + u"/");
  EXPECT_EQ(State.Program_Dir, Root);
  EXPECT_EQ(State.Master_Dir, Root + u"/MASTER");
  EXPECT_EQ(State.Projects_Dir, Root + u"/PROJECTS");
  EXPECT_EQ(State.Language_Dir, Root + u"/LANGUAGE");
  EXPECT_EQ(State.Program_Title, u"Ostrel - Configurator QX4410 - DALI / SNMP Agent ");
  EXPECT_EQ(State.SW_Code, u"QX4410");
  EXPECT_EQ(State.SW_Description, u"DALI / SNMP Agent - Converter");
  EXPECT_TRUE(State.Update_Read_Back);
  EXPECT_EQ(State.Update_Option_Index, 0);
  EXPECT_FALSE(State.Project_Open());
  EXPECT_FALSE(std::filesystem::exists(Dir / "MASTER"));  // nothing on disk yet

  State.Create_Folders();
  for (const char* Sub : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(std::filesystem::is_directory(Dir / Sub));
  State.Create_Folders();  // existing folders are fine
}

TEST(ProgramStateTest, SetFilesFollowsProjectPath) {
  TProgramState State(u"/opt/gx");
  State.Project_Path = u"/opt/gx/PROJECTS/Plant";
  State.Set_Files();
  EXPECT_EQ(State.File_ParGen, u"/opt/gx/PROJECTS/Plant/ParGen.xml");
  EXPECT_EQ(State.File_DALI_Access, u"/opt/gx/PROJECTS/Plant/DALI_Access.xml");
  EXPECT_EQ(State.File_ModbusTCPM_SetAccess, u"/opt/gx/PROJECTS/Plant/ModbusTCPM_SetAccess.xml");
  EXPECT_EQ(State.File_DMX_Default_Values, u"/opt/gx/PROJECTS/Plant/DMX_Default_Values.xml");
  EXPECT_EQ(State.File_BACnet_Master_Access, u"/opt/gx/PROJECTS/Plant/BACnet_Master_Access.xml");
  EXPECT_EQ(State.File_ModbusM_SetAccess, u"/opt/gx/PROJECTS/Plant/ModbusM_SetAccess.xml");
  EXPECT_EQ(State.File_SNMP_Trap, u"/opt/gx/PROJECTS/Plant/SNMP_Trap.xml");

  State.Project_Path.clear();
  State.Set_Files();
  EXPECT_EQ(State.File_SNMP_Trap, u"/SNMP_Trap.xml");
}

}  // namespace
