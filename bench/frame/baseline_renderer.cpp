#include "bench/frame/baseline_renderer.h"

#include <string>

#include "platform/platform.h"

namespace {

GLuint compile(GLenum type, unsigned id) {
  const std::string_view bytes = platform::resourceBytes(id, "TEXTFILE");
  const std::string text(bytes.substr(0, bytes.find('~')));
  const char* source = text.c_str();
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  return shader;
}

}  // namespace

BaselineRenderer::BaselineRenderer() {
  program = glCreateProgram();
  glAttachShader(program, compile(GL_VERTEX_SHADER, 137));
  glAttachShader(program, compile(GL_FRAGMENT_SHADER, 136));
  glLinkProgram(program);
  timeAt = glGetUniformLocation(program, "iTime");
  widthAt = glGetUniformLocation(program, "viewportWidth");
  heightAt = glGetUniformLocation(program, "viewportHeight");
  positionAt = glGetAttribLocation(program, "position");

  const float quad[] = {-1, 1, 0, -1, -1, 0, 1, 1, 0, 1, -1, 0};
  const unsigned order[] = {0, 1, 2, 3, 2, 1};
  glGenBuffers(1, &vertices);
  glBindBuffer(GL_ARRAY_BUFFER, vertices);
  glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STATIC_DRAW);
  glGenBuffers(1, &indices);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof order, order, GL_STATIC_DRAW);
}

void BaselineRenderer::draw(float time, int width, int height) {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, width, height);
  glUseProgram(program);
  glUniform1f(timeAt, time);
  glUniform1f(widthAt, static_cast<float>(width));
  glUniform1f(heightAt, static_cast<float>(height));
  glBindBuffer(GL_ARRAY_BUFFER, vertices);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
  glEnableVertexAttribArray(static_cast<GLuint>(positionAt));
  glVertexAttribPointer(static_cast<GLuint>(positionAt), 3, GL_FLOAT, GL_FALSE, 0, nullptr);
  glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_INT, nullptr);
}
