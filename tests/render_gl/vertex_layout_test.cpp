// The drawable's vertex attributes: the calls that point them and the state the GL keeps.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/vertex_buffer.h"
#include "tests/render_gl/gl_call_log.h"
#include "tests/render_gl/scene_fixture.h"

namespace {

constexpr GLsizei kRecordBytes = 24 * 4;

struct Layout {
  GLint size = 0, stride = 0, enabled = 0, type = 0, buffer = 0;
  GLintptr offset = -1;
};

Layout layoutAt(GLint location) {
  Layout layout;
  glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_SIZE, &layout.size);
  glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &layout.stride);
  glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &layout.enabled);
  glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_TYPE, &layout.type);
  glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &layout.buffer);
  void* pointer = nullptr;
  glGetVertexAttribPointerv(location, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointer);
  layout.offset = reinterpret_cast<GLintptr>(pointer);
  return layout;
}

// Leaves the attribute disabled with a layout no drawable uses, so what a test reads back is
// what the code under test set.
void scramble(GLint location) {
  static const float unused[4] = {};
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glVertexAttribPointer(static_cast<GLuint>(location), 1, GL_FLOAT, GL_FALSE, 4, unused);
  glDisableVertexAttribArray(static_cast<GLuint>(location));
}

void expectCalls(const GLCallLog& log, const std::vector<AttribPointerCall>& expected) {
  ASSERT_EQ(log.attribPointers.size(), expected.size());
  ASSERT_EQ(log.enabledAttribs.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(log.enabledAttribs[i], expected[i].location);
    EXPECT_EQ(log.attribPointers[i].location, expected[i].location);
    EXPECT_EQ(log.attribPointers[i].size, expected[i].size);
    EXPECT_EQ(log.attribPointers[i].stride, expected[i].stride);
    EXPECT_EQ(log.attribPointers[i].offset, expected[i].offset);
  }
}

// Declared as position, position_tex, position_normal; pointed in byte order of the names, at
// set-up and again on every draw, the unused normal at location -1 included.
TEST(VertexLayout, SkyAttributesArePointedInByteOrderOfTheirNames) {
  openTestScene();
  GLFWDrawableSky drawable(environment, camera, programManager, "BackgroundProgram", 141, 140, 1.0f);
  GLFWProgram* program = programManager->getProgram("BackgroundProgram");
  const GLint position = program->getAttribLocation("position");
  const GLint tex = program->getAttribLocation("position_tex");
  const GLint normal = program->getAttribLocation("position_normal");
  // The fragment shader ignores fs_tex, so the linker may drop position_tex with it.
  ASSERT_GE(position, 0);
  ASSERT_EQ(normal, -1) << "the vertex shader does not read the normal";
  const std::vector<AttribPointerCall> expected = {
      {static_cast<GLuint>(position), 3, kRecordBytes, 0},
      {static_cast<GLuint>(normal), 3, kRecordBytes, 5 * 4},
      {static_cast<GLuint>(tex), 2, kRecordBytes, 3 * 4},
  };

  for (GLint location : {position, tex}) {
    if (location >= 0) scramble(location);
  }
  GLCallRecorder recorder;
  drawable.setup();
  expectCalls(recorder.log(), expected);

  recorder.clear();
  OffscreenTarget target(8, 8);
  drawable.setModelMatrix(translation(0.0f, 0.0f, -100.0f));
  drawable.draw();
  expectCalls(recorder.log(), expected);

  const GLint vertexBuffer = static_cast<GLint>(drawable.vertexBuffer->getVertexBufferId());
  for (const AttribPointerCall& call : expected) {
    if (static_cast<GLint>(call.location) < 0) continue;
    SCOPED_TRACE(call.location);
    const Layout layout = layoutAt(static_cast<GLint>(call.location));
    EXPECT_EQ(layout.size, call.size);
    EXPECT_EQ(layout.stride, call.stride);
    EXPECT_EQ(layout.offset, call.offset);
    EXPECT_EQ(layout.enabled, GL_TRUE);
    EXPECT_EQ(layout.type, GL_FLOAT);
    EXPECT_EQ(layout.buffer, vertexBuffer);
  }
}

// A second declaration of a name keeps the first; a program name the registry does not know
// declares nothing.
TEST(VertexLayout, FirstDeclarationOfANameStays) {
  openTestScene();
  GLFWVertexBuffer buffer(programManager);
  buffer.addAttribute("BackgroundProgram", "position", 3, 0);
  buffer.addAttribute("BackgroundProgram", "position", 2, 7);
  buffer.addAttribute("NoSuchProgram", "position_tex", 2, 3);
  EXPECT_EQ(buffer.attribLocations.size(), 1u);
  EXPECT_EQ(buffer.attribComponents.at("position"), 3);
  EXPECT_EQ(buffer.attribOffsets.at("position"), 0);

  std::vector<float> vertices(4 * 24, 0.0f);
  std::vector<std::uint32_t> indices = {0, 1, 2};
  buffer.setVertexData(static_cast<std::int32_t>(vertices.size() * 4), vertices.data(), 24);
  buffer.setIndexData(static_cast<std::int32_t>(indices.size() * 4), indices.data(), 3);
  scramble(buffer.attribLocations.at("position"));
  buffer.upload();
  const Layout layout = layoutAt(buffer.attribLocations.at("position"));
  EXPECT_EQ(layout.size, 3);
  EXPECT_EQ(layout.offset, 0);
  EXPECT_EQ(layout.stride, kRecordBytes);
  EXPECT_EQ(layout.buffer, static_cast<GLint>(buffer.getVertexBufferId()));
}

}  // namespace
