// Programs from the saver's shader resources: the location cache and the registry by name.
#include <gtest/gtest.h>

#include "tests/render_gl/gl_call_log.h"
#include "tests/render_gl/scene_fixture.h"

namespace {

constexpr int kUniform = 0, kAttribute = 1;

GLint askGL(GLuint program, int kind, const char* name) {
  return kind == kUniform ? glGetUniformLocation(program, name) : glGetAttribLocation(program, name);
}

// Whichever kind asks first decides the answer, the GL is asked once per name, and a name the
// program does not have stays -1.
TEST(LocationCache, FirstLookupOfANameDecidesAndIsTheOnlyQuery) {
  openTestContext();
  GLFWProgram program(137, 136);
  struct Case {
    const char* name;
    int firstKind, laterKind;
    bool active;
  };
  const Case cases[] = {
      {"position", kAttribute, kUniform, true},
      {"iTime", kUniform, kAttribute, true},
      {"model_world", kUniform, kUniform, false},  // declared, unused: the linker drops it
      {"position_normal", kAttribute, kAttribute, false},
      {"no_such_name", kUniform, kAttribute, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const GLint glAnswer = askGL(program.programId, c.firstKind, c.name);
    EXPECT_EQ(glAnswer >= 0, c.active);
    EXPECT_EQ(askGL(program.programId, c.laterKind, c.name) >= 0, c.active && c.laterKind == c.firstKind);

    GLCallRecorder recorder;
    EXPECT_EQ(program.getLocation(c.firstKind, c.name), glAnswer);
    EXPECT_EQ(recorder.log().uniformLocationQueries + recorder.log().attribLocationQueries, 1);
    for (int again = 0; again < 2; ++again) EXPECT_EQ(program.getLocation(c.laterKind, c.name), glAnswer);
    EXPECT_EQ(recorder.log().uniformLocationQueries + recorder.log().attribLocationQueries, 1);
    EXPECT_EQ(program.locationCache.at(c.name), glAnswer);
  }
}

TEST(ProgramRegistry, ATakenNameKeepsItsFirstProgram) {
  openTestContext();
  GLFWProgramManager registry;
  GLCallRecorder recorder;
  registry.addProgram("Sky", 137, 136);
  GLFWProgram* first = registry.getProgram("Sky");
  const GLuint firstId = registry.getProgramId("Sky");
  registry.addProgram("Sky", 137, 136);

  EXPECT_EQ(registry.getProgram("Sky"), first);
  EXPECT_EQ(registry.getProgramId("Sky"), firstId);
  EXPECT_EQ(registry.programs.size(), 1u);
  EXPECT_EQ(registry.programIds.size(), 1u);
  ASSERT_EQ(recorder.log().createdPrograms.size(), 2u);
  EXPECT_EQ(recorder.log().createdPrograms[0], firstId);
  // The newcomer cannot be reached, so its GL program does not outlive the call.
  EXPECT_FALSE(glIsProgram(recorder.log().createdPrograms[1]));
  EXPECT_TRUE(glIsProgram(firstId));
}

TEST(ProgramRegistry, UnknownNamesGiveNullAndZeroAndChangeNothing) {
  openTestContext();
  GLFWProgramManager registry;
  registry.addProgram("Sky", 137, 136);
  registry.useProgram("Sky");
  for (const char* name : {"sky", "Sky ", "", "Other"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(registry.getProgram(name), nullptr);
    EXPECT_EQ(registry.getProgramId(name), 0u);
    registry.useProgram(name);
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), registry.getProgramId("Sky"));
  }
}

// Per frame every lookup goes by name, but after the first frame none reaches the GL.
TEST(ProgramRegistry, FramesAfterTheFirstAskTheGLForNoLocation) {
  openTestScene();
  OffscreenTarget target(16, 16);
  environment->setViewport(16.0f, 16.0f);
  sky->draw();
  GLCallRecorder recorder;
  for (int frame = 0; frame < 3; ++frame) sky->draw();
  EXPECT_EQ(recorder.log().uniformLocationQueries, 0);
  EXPECT_EQ(recorder.log().attribLocationQueries, 0);
}

}  // namespace
